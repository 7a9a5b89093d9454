// PlayerOptions.h: the player's own options that fav.dll has no field for, kept in a small
// versioned file of their own in the data folder (DataFile::PlayerOptions).
//
// Format "quarry-player-options", version 1, one UTF-8 JSON object:
//
//   { "format": "quarry-player-options", "version": 1, "animations": true }
//
// A missing file means the defaults. A file that does not read (not JSON, another format, a later
// version, a field of the wrong type) also gives the defaults, with a reason for the player; it is
// set aside as file + ".bad" so that the player is told once. Keys this version does not know are
// left out when the file is read.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct PlayerOptions
{
    // Tiles slide and joins glow; off: every move is instant.
    bool animations = true;

    static constexpr char FormatName[] = "quarry-player-options";
    static constexpr int Version = 1;
    // A file of options is a few dozen bytes; anything this large is not one.
    static constexpr qint64 MaxBytes = 64 * 1024;

    struct ReadResult;

    static QByteArray encode(const PlayerOptions& options);
    static ReadResult decode(const QByteArray& bytes);
    // Reads path: a missing file gives the defaults without a problem; a damaged one is set aside.
    static ReadResult load(const QString& path);
    // Atomic write (QSaveFile, every write checked); false with problem set when it failed, the
    // old file then left as it was.
    static bool save(const QString& path, const PlayerOptions& options, QString* problem = nullptr);

    friend bool operator==(const PlayerOptions&, const PlayerOptions&) = default;
};

struct PlayerOptions::ReadResult
{
    PlayerOptions options; // the defaults when problem is set
    QString problem;       // why the bytes were refused, empty when they read
};

// The options of this run: read on first use, changed through here, announced to the windows.
class PlayerOptionsStore : public QObject
{
    Q_OBJECT
public:
    explicit PlayerOptionsStore(QString path, QObject* parent = nullptr);

    const PlayerOptions& options() const { return m_options; }
    bool animations() const { return m_options.animations; }
    // Sets and saves the option; it holds for the run even when saving fails (false, problem set).
    bool setAnimations(bool on, QString* problem = nullptr);
    // Why the file did not read, the first time it is asked for; empty afterwards and when it read.
    QString takeLoadProblem();

signals:
    // The game windows switch their animations with this (and read animations() when they load).
    void animationsChanged(bool on);

private:
    QString m_path;
    PlayerOptions m_options;
    QString m_loadProblem;
};
