#pragma once

// Window layouts given in twips (15 twips to a pixel at 96 dpi), and windows centred on
// the screen.

#include <QRect>

class QWidget;

namespace quorvane {

QRect FromTwips(int left, int top, int width, int height);

// Centres `window` on the screen of `owner` (the primary screen when it has none).
void CentreOnScreen(QWidget& window, QWidget* owner);

} // namespace quorvane
