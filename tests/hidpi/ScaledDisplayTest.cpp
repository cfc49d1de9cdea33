// The desktop program on a scaled display (QT_SCALE_FACTOR set by the test registration):
// drawn at the screen's pixel density, inside the screen, and making the same page.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/output/FormCheck3D.h"
#include "app/output/FormViewer.h"
#include "app/output/ResultDisplay.h"
#include "app/shell/FormMain.h"
#include "core/designer/CornerCheck.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/PageStyle.h"
#include "scene/OffscreenView.h"

namespace quorvane {
namespace {

// One-pixel black and white squares with a red column: any resampling shows.
QImage FinePattern(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, x == 3 ? qRgb(255, 0, 0) : (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

QImage Opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The widget as the screen shows it, in device pixels.
QImage Shot(QWidget& widget)
{
    return Opaque(widget.grab().toImage());
}

void ShowAndWait(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

class ScaledDisplay : public testing::Test {
protected:
    void SetUp() override { ASSERT_GT(qApp->devicePixelRatio(), 1.0) << "run with QT_SCALE_FACTOR above 1"; }
    qreal Ratio() const { return qApp->devicePixelRatio(); }
};

TEST_F(ScaledDisplay, CanvasHoldsDevicePixelsAndShowsThePictureOneToOne)
{
    Document doc;
    FormMain form(doc);
    ShowAndWait(form);
    CanvasWidget& canvas = *form.Picture1();
    const CanvasRenderer& renderer = form.Renderer();
    ASSERT_EQ(renderer.PixelRatio(), Ratio());
    EXPECT_EQ(renderer.CanvasSize(), canvas.size());
    EXPECT_EQ(renderer.BackBuffer().size(), (QSizeF(canvas.size()) * Ratio()).toSize());

    // Canvas pixels on whole device pixels at both ratios tested: 2 and 1.5.
    const QRect placed(100, 60, 200, 100);
    const QRect device(placed.topLeft() * Ratio(), placed.size() * Ratio());
    doc.PictureImage = FinePattern(device.size());
    doc.Place = {float(placed.left()), float(placed.top()), float(placed.right() + 1), float(placed.bottom() + 1)};
    doc.PlaceOutline = form.Paper().CanvasOutline; // measured on this canvas
    form.EditModeButton()->trigger(); // preview: no frame over the picture
    form.CommandBars1_Resize();
    const QImage picture = Opaque(doc.PictureImage);
    EXPECT_EQ(Opaque(renderer.BackBuffer().copy(device)), picture);

    const QImage shown = Shot(canvas);
    ASSERT_EQ(shown.size(), renderer.BackBuffer().size());
    EXPECT_EQ(shown.copy(device), picture);
}

TEST_F(ScaledDisplay, ViewerShowsThePageScaledToDevicePixels)
{
    QImage page(1190, 1684, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).drawImage(QRect(100, 100, 990, 1484), FinePattern(QSize(99, 148)));
    FormViewer viewer(page, nullptr);
    ShowAndWait(viewer);
    auto& display = *viewer.findChild<ResultDisplay*>(QStringLiteral("Picture1"));
    const QImage shown = Shot(display);
    ASSERT_EQ(shown.size(), (QSizeF(display.size()) * Ratio()).toSize());

    QRect box; // every pixel off the grey background
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != qRgb(192, 192, 192))
                box |= QRect(x, y, 1, 1);
    EXPECT_EQ(box.size(), (QSizeF(display.PageRect().size()) * Ratio()).toSize());
    EXPECT_EQ(shown.copy(box), page.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// The designer finds the corners at its logical size: the outline equals the headless
// capture at that size, which is what a display at scale 1 captures.
TEST_F(ScaledDisplay, DesignerOkStoresTheOutlineOfTheLogicalView)
{
    Document doc;
    SetDefaultPaper(doc);
    FormOpenGL form(doc, [] {}, nullptr);
    ShowAndWait(form);
    QWidget& view = *form.findChild<QWidget*>(QStringLiteral("PicMain"));
    for (const double style : {kStyleLFold, kStyleFlat, kStyleUpright}) {
        doc.PageStyle = style;
        form.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
        ShowAndWait(form);
        OffscreenView headless(view.size());
        const CameraValues& camera = form.Camera().Camera();
        const PaperOutlineResult expected =
            PaperOutlineFromCorners(headless.CaptureCorners(camera, style), style, camera);
        ASSERT_TRUE(expected.ok) << style;
        EXPECT_EQ(doc.PaperPoint, expected.PaperPoint) << style;
    }
}

// Every window, with its frame, lies in the screen's free area.
TEST(WindowsOnScreen, EveryWindowFitsTheFreeArea)
{
    Document doc;
    FormMain form(doc);
    FormOpenGL designer(doc, [] {}, &form);
    const QImage page(1190, 1684, QImage::Format_RGB32);
    FormViewer viewer(page, &form);
    FormCheck3D check(page, kStyleLFold, doc.Camera, &viewer);
    for (QWidget* window : std::initializer_list<QWidget*>{&form, &designer, &viewer, &check}) {
        ShowAndWait(*window);
        const QRect available = window->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << window->metaObject()->className() << " " << window->frameGeometry().width() << "x"
            << window->frameGeometry().height() << " on " << available.width() << "x" << available.height();
        window->hide();
    }
}

} // namespace
} // namespace quorvane
