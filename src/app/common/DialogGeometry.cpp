#include "app/common/DialogGeometry.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace quorvane {

namespace {

constexpr int kTwipsPerPixel = 15;

QScreen* ScreenOf(QWidget* owner)
{
    return owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
}

// Before its first showing a window's frame is unknown: a title bar is allowed for.
QSize FrameOf(const QWidget& window)
{
    const QSize known = window.frameGeometry().size() - window.size();
    if (!known.isEmpty())
        return known;
    return QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window));
}

QRect Fitted(const QWidget& window, QScreen& screen)
{
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    return FitOnScreen(window.size(), minimum, FrameOf(window), screen.availableGeometry());
}

// Centred in [start, start + room), then moved in as far as `outer` would stick out.
int Place(int centred, int outer, int start, int room)
{
    return std::max(start, std::min(centred, start + room - outer));
}

} // namespace

QRect FromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QRect FitOnScreen(QSize size, QSize minimum, QSize frame, const QRect& available)
{
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize fitted = size.boundedTo(room).expandedTo(minimum.boundedTo(size));
    QRect centred(QPoint(0, 0), fitted);
    centred.moveCenter(available.center());
    const int x = Place(centred.left(), fitted.width() + frame.width(), available.left(), available.width());
    const int y = Place(centred.top(), fitted.height() + frame.height(), available.top(), available.height());
    return QRect(QPoint(x, y), fitted);
}

void FitOnScreen(QWidget& window, QWidget* owner)
{
    if (QScreen* screen = ScreenOf(owner))
        window.resize(Fitted(window, *screen).size());
}

void CentreOnScreen(QWidget& window, QWidget* owner)
{
    QScreen* screen = ScreenOf(owner);
    if (screen == nullptr)
        return;
    const QRect fitted = Fitted(window, *screen);
    window.resize(fitted.size());
    window.move(fitted.topLeft());
}

} // namespace quorvane
