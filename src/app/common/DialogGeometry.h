#pragma once

// Window layouts given in twips (15 twips to a pixel at 96 dpi), and windows fitted into
// and centred on the screen.

#include <QRect>

class QWidget;

namespace quorvane {

QRect FromTwips(int left, int top, int width, int height);

// Where a window of `size` goes on a screen whose free area is `available`, all in logical
// pixels: the size shrinks, never below `minimum`, until the window with its `frame` (what
// the window manager adds around it) fits; the position, for QWidget::move, centres the
// window and then moves it in as far as the frame would stick out.
QRect FitOnScreen(QSize size, QSize minimum, QSize frame, const QRect& available);

// Shrinks `window` into the free area of the screen of `owner` (the primary screen when
// it has none), leaving its position to the window manager.
void FitOnScreen(QWidget& window, QWidget* owner);
// Shrinks `window` as FitOnScreen does and centres it on that screen.
void CentreOnScreen(QWidget& window, QWidget* owner);

} // namespace quorvane
