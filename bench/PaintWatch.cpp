// PaintWatch.cpp: the paint-event filter and the waiting loop of PaintWatch.
#include "PaintWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int TimeoutMs = 5000;
// How often a wait looks at its deadline while no event comes.
constexpr int PollMs = 50;
} // namespace

PaintWatch::PaintWatch()
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void PaintWatch::begin()
{
    m_painted.clear();
    m_paintedWindows.clear();
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        m_painted.insert(watched);
        if (watched->isWidgetType())
            m_paintedWindows.insert(static_cast<QWidget*>(watched)->window());
    }
    return QObject::eventFilter(watched, event);
}

template <typename Done> void PaintWatch::waitUntil(Done done, const char* what)
{
    // Posted events first: a repaint that is already due needs no waiting.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (done())
        return;
    const QDeadlineTimer deadline(TimeoutMs);
    // Waiting for more events sleeps until a repaint timer or the display wakes the loop; the
    // poll timer only makes sure that the deadline is looked at.
    QTimer poll;
    poll.start(PollMs);
    while (!done()) {
        if (deadline.hasExpired())
            qFatal("quarry-bench: %s did not paint within %d ms", what, TimeoutMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void PaintWatch::waitFor(const QList<QWidget*>& widgets, const char* what)
{
    waitUntil(
        [&] {
            return std::all_of(
                widgets.cbegin(), widgets.cend(), [&](const QWidget* w) { return m_painted.contains(w); });
        },
        what);
}

void PaintWatch::waitForAnyIn(const QWidget* window, const char* what)
{
    waitUntil([&] { return m_paintedWindows.contains(window); }, what);
}

void activateFirst(QWidget* window, const char* what)
{
    window->activateWindow();
    const QDeadlineTimer deadline(TimeoutMs);
    while (!window->isActiveWindow()) {
        if (deadline.hasExpired())
            qFatal("quarry-bench: %s was not activated within %d ms", what, TimeoutMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
}
