#pragma once
// Fitting a resizable window on the screen it opens on: as large as it asks to be, as
// small as the screen's free area (less its frame) makes it, never below its minimum;
// then centred.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace validador::ui {

// The frame a window manager puts around a window, taken when the real one is not known
// yet: borders and a title bar (device-independent pixels).
inline constexpr QMargins kFrameAllowance{8, 38, 8, 8};

// The client size for a window that wants `wanted` and needs at least `minimum` on a
// free screen area `available` when its frame takes `frame`.
QSize SizeOnScreen(QSize wanted, QSize minimum, const QRect& available, const QMargins& frame);

// Resizes `window` (from its present size) to fit the free area of its screen and
// centres it there.
void FitAndCentre(QWidget* window);

}  // namespace validador::ui
