// TileSlide.h: where moved tiles are drawn while they travel to their new cells. Drawing only:
// the board has already made the move; a slide only says where each moved tile shows meanwhile.
#pragma once

#include <QList>
#include <QPoint>

class TileSlide {
public:
    // Long enough to be seen as a slide, short enough that fast play never waits on it.
    static constexpr int DurationMs = 100;

    // One tile travelling, in pixels of the board's surface.
    struct Path {
        int tile = 0;
        QPoint from;
        QPoint to;
        friend bool operator==(const Path&, const Path&) = default;
    };

    // Starts paths at progress 0. A slide still running is finished first: its paths are returned,
    // and their tiles are to be put at their ends at once (a new move never waits behind an old one).
    QList<Path> start(QList<Path> paths);
    // Ends the running slide; returns its paths, whose tiles are to be put at their ends.
    QList<Path> finish();

    bool running() const { return !m_paths.isEmpty(); }
    const QList<Path>& paths() const { return m_paths; }
    double progress() const { return m_progress; }
    // Progress 0 (start) .. 1 (end); values outside are held to that range.
    void setProgress(double progress);

    // Where path's tile is drawn at the slide's progress.
    QPoint position(const Path& path) const { return at(path, m_progress); }
    // Where path's tile is drawn at progress: eased, quick off the mark and settling gently.
    static QPoint at(const Path& path, double progress);

private:
    QList<Path> m_paths;
    double m_progress = 0.0;
};
