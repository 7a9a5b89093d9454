// PaintWatch.h: waits on the event loop until widgets have painted, so that a benchmark's time
// runs to the repaint on screen and not only to the update it asked for.
//
//     PaintWatch watch;
//     watch.begin();                          // paints from here on count
//     startTheLevel();
//     watch.waitFor(pieces, "the level");     // returns once every piece has painted
//
// The watch sees paint events through an application-wide filter. Qt paints the dirty widgets
// of a window and flushes them to the screen in one pass, so when a wait returns that pass is
// over.
#pragma once

#include <QList>
#include <QObject>
#include <QSet>

class QWidget;

// Activates a game window and waits until it is active, or ends the program naming what after five
// seconds. A game window starts a game of its own on its first activation: left to a busy window
// manager, that lands in the middle of a benchmark and replaces the game it measures.
void activateFirst(QWidget* window, const char* what);

class PaintWatch : public QObject {
public:
    PaintWatch();
    ~PaintWatch() override;
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Forgets the paints seen so far.
    void begin();
    // Processes events until every one of the widgets has painted since begin(). After five
    // seconds without that, ends the program with a message naming what.
    void waitFor(const QList<QWidget*>& widgets, const char* what);
    // The same for any widget of the window.
    void waitForAnyIn(const QWidget* window, const char* what);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Done> void waitUntil(Done done, const char* what);

    QSet<const QObject*> m_painted;
    QSet<const QWidget*> m_paintedWindows;
};
