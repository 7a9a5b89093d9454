// ScreenFit.cpp: outer geometry of top-level windows and the rule that keeps them on screen.
#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ScreenFit {

QRect fitInside(const QRect& frame, const QRect& area)
{
    if (area.isEmpty())
        return frame;
    const int width = std::min(frame.width(), area.width());
    const int height = std::min(frame.height(), area.height());
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - width);
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - height);
    return { left, top, width, height };
}

QRect innerOf(const QRect& outer, const QMargins& frame)
{
    const QRect inner = outer.marginsRemoved(frame);
    return { inner.topLeft(), inner.size().expandedTo(QSize(1, 1)) };
}

QMargins decoration(const QWidget* window)
{
    if (window && window->isVisible())
        if (const QWindow* handle = window->windowHandle())
            if (const QMargins own = handle->frameMargins(); !own.isNull())
                return own;
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (!other->isVisible() || other->flags().testFlag(Qt::FramelessWindowHint))
            continue;
        if (const QMargins margins = other->frameMargins(); !margins.isNull())
            return margins;
    }
    return {};
}

QRect outerGeometry(const QWidget* window)
{
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        return window->frameGeometry();
    return window->geometry().marginsAdded(decoration(window));
}

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void setOuterGeometry(QWidget* window, const QRect& outer)
{
    const QRect inner = innerOf(outer, decoration(window));
    window->resize(inner.size());
    // A top-level window's position is that of its frame.
    window->move(outer.topLeft());
}

void keepOnScreen(QWidget* window)
{
    const QRect outer = outerGeometry(window);
    const QRect fitted = fitInside(outer, availableArea(window));
    if (fitted == outer)
        return;
    if (fitted.size() != outer.size())
        setOuterGeometry(window, fitted);
    else
        window->move(fitted.topLeft());
}

namespace {

// Waits on the window's own events until it carries a frame, fits it once, then goes away.
class FramedWatcher : public QObject
{
public:
    explicit FramedWatcher(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const QWindow* handle = window->windowHandle();
        if (!window->isVisible() || !handle || handle->frameMargins().isNull())
            return false;
        window->removeEventFilter(this);
        keepOnScreen(window);
        deleteLater();
        return false;
    }
};

} // namespace

void keepOnScreenWhenFramed(QWidget* window)
{
    new FramedWatcher(window);
}

} // namespace ScreenFit
