// The desktop program on a scaled display (QT_SCALE_FACTOR set where the suite is
// registered): drawn in device pixels, inside the screen, making the same page.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/output/FormCheck3D.h"
#include "app/output/FormViewer.h"
#include "app/output/ResultDisplay.h"
#include "app/shell/FormMain.h"
#include "core/designer/CornerCheck.h"
#include "core/shell/CommandTable.h"
#include "scene/OffscreenView.h"
#include "support/ModalWatcher.h"

namespace quorvane {
namespace {

// One-pixel black and white squares: any resampling shows.
QImage FinePattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

// What the widget shows, in device pixels.
QImage Shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Show(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

const qreal kRatio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();

TEST(ScaledDisplay, CanvasAndViewerShowDevicePixelsOneToOne)
{
    FormMain form;
    Document& doc = form.Session().EditedDoc();
    Show(form);
    const CanvasRenderer& renderer = form.Renderer();
    ASSERT_EQ(renderer.PixelRatio(), kRatio);
    const QRect device(QPoint(100, 60) * kRatio, QSize(200, 100) * kRatio); // whole pixels at 2 and 1.5
    doc.PictureImage = FinePattern(device.size());
    doc.Place = {100, 60, 300, 160};
    doc.PlaceOutline = form.Fitted().CanvasOutline;
    form.EditModeButton()->trigger(); // preview: nothing over the picture
    EXPECT_EQ(Shot(*form.Picture1()).copy(device), doc.PictureImage);

    const QImage page = FinePattern(QSize(1190, 1684));
    FormViewer viewer(page, Paper{}, nullptr);
    Show(viewer);
    auto& display = *viewer.findChild<ResultDisplay*>(QStringLiteral("Picture1"));
    const QImage shown = Shot(display);
    QRect box; // the pixels off the grey background
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != qRgb(192, 192, 192))
                box |= QRect(x, y, 1, 1);
    EXPECT_EQ(box.size(), (QSizeF(display.PageRect().size()) * kRatio).toSize());
    EXPECT_EQ(shown.copy(box), page.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// Every window with its frame lies in the screen's free area. The designer's OK stores the
// outline of a headless capture at the view's logical size, as a view at scale 1 does, with
// the camera of the OK.
TEST(WindowsOnScreen, EveryWindowFitsTheFreeAreaAndTheDesignerCapturesLogicalPixels)
{
    FormMain form;
    FormOpenGL designer(form.Doc(), &form);
    const QImage page(1190, 1684, QImage::Format_RGB32);
    FormViewer viewer(page, Paper{}, &form);
    FormCheck3D check(page, Paper{}, form.Doc().Camera(), &viewer);
    for (QWidget* window : std::initializer_list<QWidget*>{&form, &designer, &viewer, &check}) {
        Show(*window);
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
            << window->metaObject()->className();
        window->hide();
    }
    // The standing style; the other two reach a successful OK in the designer's and main window's tests.
    QSize viewSize;
    ModalWatcher<FormOpenGL> design([&viewSize](FormOpenGL& shown) {
        shown.findChild<QToolButton*>(QStringLiteral("Btn2Page2"))->click();
        shown.findChild<QSlider*>(QStringLiteral("SliderRotate"))->setValue(-25);
        viewSize = shown.findChild<QWidget*>(QStringLiteral("PicMain"))->size();
        shown.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    MessageBoxWatcher none; // a failed OK would show why
    form.OnCommand(ID_PAPER);
    EXPECT_FALSE(none.Seen().shown) << none.Seen().text.toStdString();
    OffscreenView headless(viewSize);
    const Paper upright{PaperFormat::A4, PaperLayout::Upright};
    const CameraValues& camera = form.Designer()->Camera().Camera();
    const OutlineCapture expected = CaptureOutline(headless.CaptureCorners(camera, upright), upright, camera, viewSize);
    ASSERT_TRUE(expected.outline);
    EXPECT_EQ(form.Doc().Outline, *expected.outline);
    EXPECT_EQ(form.Doc().Camera().CameraAngle, -25.0);
}

} // namespace
} // namespace quorvane
