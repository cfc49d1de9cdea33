#include "app/common/DialogGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvane {

namespace {
constexpr int kTwipsPerPixel = 15;
}

QRect FromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

void CentreOnScreen(QWidget& window, QWidget* owner)
{
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace quorvane
