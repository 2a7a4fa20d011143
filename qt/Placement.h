#pragma once
#include <QMargins>
#include <QRect>

class QWidget;

// Where a tool window goes on the screen's free area, given the frame of the window it is
// opened from and its own frame size: beside it, right or else left; where neither side has
// room, against the area's right edge, so that it covers the owner's right part (its graph)
// rather than the fields on its left. The top is level with the owner's top, kept on the area.
QRect PlaceBeside(const QRect& owner, const QSize& size, const QRect& area);

// The frame a window manager puts around a window, taken from a window already shown when the
// window itself has not been shown yet.
QMargins FrameMargins(const QWidget& window, const QWidget* shownBefore);

// How much height a window of outer height `outer` gives up to fit an area `area` high, taken
// from a part `part` high that keeps at least `minimum`: 0 when it fits or the part has nothing
// to give.
int HeightToGiveUp(int outer, int area, int part, int minimum);
