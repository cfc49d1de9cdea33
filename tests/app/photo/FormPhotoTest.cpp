// The From Photo dialog driven as the user drives it: a corner dragged and nudged with the
// arrow keys, the camera and its error following; no paper found; and in the main window,
// Cancel leaving the document alone and OK making the photo's outline one step.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/editor/CanvasWidget.h"
#include "app/photo/FormPhoto.h"
#include "app/photo/PhotoCornersView.h"
#include "app/shell/FormMain.h"
#include "core/editor/PaperFitting.h"
#include "core/photo/PhotoCorners.h"
#include "core/services/PageSettings.h"
#include "core/services/SettingsStore.h"
#include "support/ModalWatcher.h"
#include "support/PaperPhoto.h"

using namespace quorvane;

namespace {

const Paper kPaper{PaperFormat::A4, PaperLayout::LFold};

test::PaperPhoto Photo()
{
    return test::DrawPaperPhoto(kPaper.Layout, {90, 55, 20, 25, 0, 0}, {}, QSize(900, 600));
}

QString Text(const QWidget& dialog, const char* label)
{
    return dialog.findChild<QLabel*>(QLatin1String(label))->text();
}

} // namespace

TEST(FormPhoto, ACornerIsDraggedAndNudgedAndTheCameraFollows)
{
    const test::PaperPhoto photo = Photo();
    const CornerSearch found = FindPaperCorners(photo.image, kPaper.Layout);
    ASSERT_TRUE(found.corners);
    FormPhoto dialog(photo.image, found.corners, {}, kPaper, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    PhotoCornersView* view = dialog.Corners();
    EXPECT_TRUE(Text(dialog, "LblCamera").startsWith(QStringLiteral("Distance")));
    EXPECT_TRUE(Text(dialog, "LblSetup").startsWith(QStringLiteral("Camera:")));
    EXPECT_FALSE(Text(dialog, "LblError").contains(QStringLiteral("bent")));
    EXPECT_TRUE(view->MagnifierRect().isEmpty());

    // Dragged from a little beside the handle: the corner moves as far as the pointer.
    const QPointF before = view->Edit().Corners()[3];
    const QPoint press = (view->ToWidget(before) + QPointF(3, 2)).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, press);
    QTest::mouseMove(view, press + QPoint(30, -12));
    QTest::mouseRelease(view, Qt::LeftButton, {}, press + QPoint(30, -12));
    ASSERT_EQ(view->Edit().Selected(), 3);
    const QPointF moved = view->Edit().Corners()[3];
    const double scale = view->ToWidget(QPointF(1, 0)).x() - view->ToWidget(QPointF(0, 0)).x();
    EXPECT_NEAR(moved.x() - before.x(), 30 / scale, 1.0 / scale);
    EXPECT_NEAR(moved.y() - before.y(), -12 / scale, 1.0 / scale);
    EXPECT_FALSE(view->MagnifierRect().isEmpty());
    EXPECT_TRUE(Text(dialog, "LblError").contains(QStringLiteral("The paper is bent, the lens distorts or a corner is off")));

    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(view->Edit().Corners()[3], moved + QPointF(-1, -10));
    dialog.reject();
}

TEST(FormPhoto, WithoutAPaperTheReasonAndDefaultCornersAreShown)
{
    test::PhotoLook floorAlone;
    floorAlone.paper = false;
    const QImage floor = test::DrawPaperPhoto(kPaper.Layout, {}, floorAlone, QSize(900, 600)).image;
    const CornerSearch found = FindPaperCorners(floor, kPaper.Layout);
    ASSERT_FALSE(found.corners);
    FormPhoto dialog(floor, found.corners, found.message, kPaper, nullptr);
    EXPECT_TRUE(Text(dialog, "LblFound").startsWith(kMessageNoPaper));
    EXPECT_EQ(dialog.Corners()->Edit().Corners(), DefaultPhotoCorners(floor.size(), kPaper));
    EXPECT_TRUE(Text(dialog, "LblCamera").startsWith(QStringLiteral("Distance"))); // the default corners show a camera
}

TEST(FormPhoto, CancelLeavesTheDocumentAndOkMakesThePhotosOutlineOneStep)
{
    QTemporaryDir dir;
    const test::PaperPhoto photo = Photo();
    const QString path = dir.filePath(QStringLiteral("paper.jpg"));
    ASSERT_TRUE(photo.image.save(path, "JPG", 92));
    FormMain form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const Document start = form.Doc();
    const SheetMapping remembered = ReadMappingSetting(SettingsStore());

    ModalWatcher<FormPhoto> cancel([](FormPhoto& dialog) { dialog.findChild<QPushButton*>("CmdCancel")->click(); });
    EXPECT_FALSE(form.UsePhoto(path));
    EXPECT_EQ(cancel.Seen(), 1);
    EXPECT_EQ(form.Doc(), start);

    ModalWatcher<FormPhoto> ok([](FormPhoto& dialog) { dialog.findChild<QPushButton*>("CmdOK")->click(); });
    ASSERT_TRUE(form.UsePhoto(path));
    const Document& doc = form.Doc();
    EXPECT_EQ(doc.Outline.Source, OutlineSource::Photo);
    EXPECT_EQ(doc.Outline.Photo.size(), photo.image.size());
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_TRUE(form.ExactButton()->isChecked());
    EXPECT_EQ(ReadMappingSetting(SettingsStore()), remembered);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_LT(QLineF(doc.Outline.PhotoCorners[i], photo.corners[i]).length(), 1.0) << "corner " << i;

    // The canvas shows the photo's floor (brown, not the grey background) beside the paper.
    const QRectF onCanvas = *PhotoOnCanvas(doc.Outline, QSizeF(form.Picture1()->size()));
    const QPointF floor = onCanvas.topLeft() + QPointF(8, onCanvas.height() - 8);
    const QRgb shown = form.Renderer().BackBuffer().pixel(floor.toPoint());
    EXPECT_GT(qRed(shown), qBlue(shown) + 15) << qRed(shown) << " " << qBlue(shown);

    form.History().Stack().undo();
    EXPECT_EQ(form.Doc().Outline, start.Outline);
}
