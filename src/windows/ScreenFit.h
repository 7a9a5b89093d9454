// ScreenFit.h: keeps top-level windows on the screen. Sizes the game windows ask for are outer
// sizes (frame included), as a player sees them; Qt's resize() sets the inner size, so the
// window manager's frame is taken off first, or the window would reach past the screen's edge.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace ScreenFit {

// Moves `frame` into `area`, shrinking it first where it is larger; an empty area changes nothing.
QRect fitInside(const QRect& frame, const QRect& area);

// Inner rectangle of a window whose frame is `outer`, given the frame's thickness.
QRect innerOf(const QRect& outer, const QMargins& frame);

// Frame thickness around `window`: its own once the window manager has framed it, otherwise
// that of another framed top-level window of the program (all share one decoration), else none.
QMargins decoration(const QWidget* window);

// The frame rectangle `window` has, or will have once shown.
QRect outerGeometry(const QWidget* window);

// Part of the screen windows may use (panels excluded) for the screen `window` is on.
QRect availableArea(const QWidget* window);

// Places `window` so that its frame occupies `outer`.
void setOuterGeometry(QWidget* window, const QRect& outer);

// Moves `window`, shrinking it where it must, so that its whole frame lies on its screen.
void keepOnScreen(QWidget* window);

// Runs keepOnScreen once the window manager has framed `window`: frames differ between
// windows (a fixed-size window has no resize handle), so a size taken before can be a few
// pixels short.
void keepOnScreenWhenFramed(QWidget* window);

} // namespace ScreenFit
