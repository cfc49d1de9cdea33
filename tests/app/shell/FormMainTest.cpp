#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/common/BusyCursor.h"
#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/shell/CommandBars.h"
#include "app/shell/FormMain.h"
#include "core/services/PageSettings.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "support/ModalWatcher.h"
#include "support/RunProgram.h"
#include "support/UrlRecorder.h"

using namespace quorvane;

namespace {

struct FormMainFixture : testing::Test {
    FormMainFixture()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    const EditorState& Editor() const { return form.Editor(); }
    Placement OnCanvas() const { return PlacementOnCanvas(doc, form.Paper()); }

    Document doc;
    FormMain form{doc};
};

} // namespace

TEST_F(FormMainFixture, StartsInEditModeWithTheSamplePictureOnTheDefaultPaper)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("tyrannosaurus.png[*] \u2013 Quorvane"));
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_EQ(form.Picture1()->size(), QSize(853, 480));
    EXPECT_TRUE(form.EditModeButton()->isChecked());
    EXPECT_TRUE(Editor().SelShown);
    EXPECT_EQ(form.Paper().CanvasOutline[0], QPoint(173, 80));
    ASSERT_FALSE(doc.PictureImage.isNull());
    // Half the canvas height, aspect kept.
    const Placement p = OnCanvas();
    EXPECT_EQ(p.SelY2 - p.SelY1, 240.0f);
    EXPECT_NEAR((p.SelX2 - p.SelX1) / 240.0, double(doc.PictureWidth) / doc.PictureHeight, 0.01);
    EXPECT_EQ(form.AppFolders().ObjectFolder, form.AppFolders().AppFolder + QStringLiteral("Object/"));
    EXPECT_EQ(doc.PictureFile, form.AppFolders().ObjectFolder + QStringLiteral("tyrannosaurus.png"));
}

TEST_F(FormMainFixture, PreviewModeHidesTheGripsAndEditModeRestoresThem)
{
    const float x1 = OnCanvas().SelX1;
    form.EditModeButton()->trigger();
    EXPECT_TRUE(Editor().PreviewMode);
    EXPECT_FALSE(Editor().SelShown);
    EXPECT_EQ(Editor().HitZone, 0);

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier); // the shortcut the tooltip names
    EXPECT_FALSE(Editor().PreviewMode);
    EXPECT_TRUE(form.EditModeButton()->isChecked());
    EXPECT_TRUE(Editor().SelShown);
    EXPECT_EQ(doc.Place.SelX1, x1);
}

TEST_F(FormMainFixture, EditModeCommandByIdSwitchesAndTheButtonFollows)
{
    for (const bool preview : {true, false, true}) {
        form.OnCommand(ID_SWITCH);
        EXPECT_EQ(Editor().PreviewMode, preview);
        EXPECT_EQ(Editor().SelShown, !preview);
        EXPECT_EQ(form.EditModeButton()->isChecked(), !preview);
    }
    form.EditModeButton()->trigger(); // the button after a switch by id
    EXPECT_FALSE(Editor().PreviewMode);
    EXPECT_TRUE(form.EditModeButton()->isChecked());
}

TEST_F(FormMainFixture, OpeningAPicturePlacesItByTheDefaultRule)
{
    QTemporaryDir dir;
    QImage wide(400, 200, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(wide.save(path));
    doc.Place.SelX1 = 5;
    const int busy = BusyCursor::ShownCount();

    EXPECT_TRUE(form.OpenPicture(path));
    EXPECT_EQ(BusyCursor::ShownCount(), busy + 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(doc.PictureWidth, 400);
    EXPECT_EQ(doc.Place.SelY1, 180.0f);                   // (480 - 240) * 0.75
    EXPECT_EQ(doc.Place.SelX2 - doc.Place.SelX1, 480.0f); // twice the height
    EXPECT_EQ(doc.Place.SelX1, 168.0f);                   // (853 - 480) * 0.45 = 167.85
}

// Every kind of unusable picture meets the loader's own tests; the window shows the reason.
TEST_F(FormMainFixture, PictureThatCannotBeUsedKeepsThePreviousOneAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.gif"));
    ASSERT_TRUE(WriteFileBytes(path, "GIF89a but nothing else"));
    const qint64 pictureKey = doc.PictureImage.cacheKey();
    const float x1 = doc.Place.SelX1;
    MessageBoxWatcher watcher;
    EXPECT_FALSE(form.OpenPicture(path));
    EXPECT_EQ(watcher.Seen().title, QStringLiteral("Error"));
    EXPECT_EQ(watcher.Seen().icon, QMessageBox::Critical);
    EXPECT_TRUE(watcher.Seen().text.contains(QStringLiteral("\"broken.gif\" could not be opened: the file is damaged")))
        << watcher.Seen().text.toStdString();
    EXPECT_FALSE(watcher.Seen().busyPointer);
    EXPECT_EQ(doc.PictureImage.cacheKey(), pictureKey);
    EXPECT_EQ(doc.Place.SelX1, x1);
}

TEST_F(FormMainFixture, MinimisedWindowLeavesTheCanvasAlone)
{
    const Outline before = form.Paper().CanvasOutline;
    form.showMinimized();
    QTest::qWait(50);
    form.CommandBars1_Resize();
    EXPECT_EQ(form.Paper().CanvasOutline, before);
}

TEST_F(FormMainFixture, ResizingRefitsPaperAndPictureAndSizingBackGivesThePlacementBack)
{
    const Placement start = OnCanvas();
    const float height = start.SelY2 - start.SelY1;
    form.resize(1706, 995);
    QTRY_COMPARE(form.Picture1()->size(), QSize(1706, 960));
    EXPECT_NEAR((OnCanvas().SelY2 - OnCanvas().SelY1) / height, 2.0, 0.02);

    // Down in twenty steps and back, then to the smallest window and back: bit for bit.
    for (int step = 0; step <= 20; ++step) {
        form.resize(1706 - step * 60, 995 - step * 30);
        QTest::qWait(20);
    }
    form.resize(853, 515);
    QTRY_COMPARE(form.Picture1()->size(), QSize(853, 480));
    form.resize(1, 1);
    QTRY_VERIFY(form.Picture1()->width() < 853);
    form.resize(853, 515);
    QTRY_COMPARE(form.Picture1()->size(), QSize(853, 480));
    EXPECT_EQ(OnCanvas(), start);
}

TEST_F(FormMainFixture, HelpEntriesOpenThreePagesOfTheMakersSite)
{
    UrlRecorder recorder;
    for (const CommandEntry& entry : HelpMenuCommands()) {
        if (entry.id != ID_ABOUT)
            form.OnCommand(entry.id);
    }
    form.OnCommand(ID_FILE); // an id without a command does nothing
    EXPECT_EQ(recorder.urls, (QList<QUrl>{QUrl(QStringLiteral("https://tarnwick.example/quorvane/help.htm")),
                                          QUrl(QStringLiteral("https://tarnwick.example")),
                                          QUrl(QStringLiteral("https://tarnwick.example/quorvane/download/"))}));
}

TEST_F(FormMainFixture, DesignerOkRefitsThePaperAndKeepsThePictureWhereItIs)
{
    const Placement before = OnCanvas();
    ModalWatcher<FormOpenGL> watcher([](FormOpenGL& designer) {
        QTest::qWait(100); // let the view draw once
        designer.findChild<QToolButton*>(QStringLiteral("Btn2Page1"))->click();
        designer.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    form.OnCommand(ID_PAPER);

    ASSERT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(doc.PageStyle, kStyleFlat);
    EXPECT_EQ(form.Paper().CanvasOutline[0], form.Paper().CanvasOutline[5]); // the flat sheet has no standing part
    EXPECT_EQ(OnCanvas(), before);
    EXPECT_TRUE(Editor().SelShown);
    // The same dialog comes back at the next Design.
    FormOpenGL* designer = form.Designer();
    ModalWatcher<FormOpenGL> cancel([](FormOpenGL& d) { d.reject(); });
    form.OnCommand(ID_PAPER);
    EXPECT_EQ(form.Designer(), designer);
    EXPECT_EQ(doc.PageStyle, kStyleFlat);
}

TEST_F(FormMainFixture, ExactPerspectiveIsRememberedBesideTheUpdateDate)
{
    SettingsStore store;
    ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), QStringLiteral("2026-12-1")));
    EXPECT_EQ(doc.Mapping, SheetMapping::Bilinear);
    EXPECT_FALSE(form.ExactButton()->isChecked());
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("step.png"));
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(picture));
    ASSERT_TRUE(form.OpenPicture(picture)); // a step made before the switch

    form.ExactButton()->trigger();
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kExactPerspective)), QStringLiteral("1"));
    // A setting, not a step: undo keeps it. A layout file records it and brings it back.
    form.History().Stack().undo();
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    const QString layout = dir.filePath(QStringLiteral("kept.quorvane"));
    ASSERT_TRUE(form.SaveLayout(layout));
    form.ExactButton()->trigger();
    ASSERT_TRUE(form.OpenLayout(layout));
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_TRUE(form.ExactButton()->isChecked());
    {
        Document next;
        FormMain restarted(next);
        EXPECT_EQ(next.Mapping, SheetMapping::Exact);
        EXPECT_TRUE(restarted.ExactButton()->isChecked());
    }

    form.OnCommand(ID_EXACT); // the dispatch alone reads the button as it stands
    form.ExactButton()->trigger();
    EXPECT_EQ(doc.Mapping, SheetMapping::Bilinear);
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kExactPerspective)), QStringLiteral("0"));
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kLastCheckUpdate)), QStringLiteral("2026-12-1"));
    Document fresh;
    FormMain again(fresh);
    EXPECT_EQ(fresh.Mapping, SheetMapping::Bilinear);
}

namespace {

QString DrawnPicture(const QTemporaryDir& dir, const char* name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(image.save(path));
    return path;
}

// Drags `data` over the window and drops it; returns whether the window took the drag.
bool Drop(QWidget& target, const QMimeData& data)
{
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

} // namespace

TEST_F(FormMainFixture, DroppedPictureOpensAndOtherDropsAreRefusedQuietly)
{
    QTemporaryDir dir;
    QMimeData picture;
    picture.setUrls({QUrl::fromLocalFile(DrawnPicture(dir, "dropped.png", {300, 100}))});
    QMimeData words;
    words.setText(QStringLiteral("not a file"));

    MessageBoxWatcher none; // records a message box, should one show
    EXPECT_FALSE(Drop(form, words));
    EXPECT_TRUE(Drop(form, picture));
    EXPECT_EQ(doc.PictureWidth, 300);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("dropped.png[*] \u2013 Quorvane"));
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_FALSE(none.Seen().shown);
}

TEST_F(FormMainFixture, EachKindOfStepUndoesAndRedoesWithItsKeys)
{
    QTemporaryDir dir;
    const Document start = doc;
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    CanvasWidget* canvas = form.Picture1();

    // A mouse move of the picture, two arrow presses (one step), an Open, a Designer OK.
    const QPoint inside((int(doc.Place.SelX1) + int(doc.Place.SelX2)) / 2, int(doc.Place.SelY1) + 20);
    QMouseEvent hover(QEvent::MouseMove, inside, canvas->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(canvas, &hover);
    QTest::mousePress(canvas, Qt::LeftButton, {}, inside);
    QTest::mouseMove(canvas, inside + QPoint(30, 0));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, inside + QPoint(30, 0));
    const Document moved = doc;
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Left);
    EXPECT_EQ(doc.Place, moved.Place.Shifted(-1, 10));
    const Document nudged = doc;
    ASSERT_TRUE(form.OpenPicture(DrawnPicture(dir, "second.png", {200, 200})));
    const Document opened = doc;
    ModalWatcher<FormOpenGL> watcher([](FormOpenGL& designer) {
        QTest::qWait(100);
        designer.findChild<QToolButton*>(QStringLiteral("Btn2Page2"))->click();
        designer.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    form.OnCommand(ID_PAPER);
    ASSERT_EQ(doc.PageStyle, kStyleUpright);
    const Document designed = doc;
    const Outline designedOutline = form.Paper().CanvasOutline;
    form.EditModeButton()->trigger(); // mode switches are no steps
    form.EditModeButton()->trigger();
    form.activateWindow(); // back from the designer
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    const Document* const back[] = {&opened, &nudged, &moved, &start};
    for (const Document* expected : back) {
        QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(doc, *expected);
    }
    EXPECT_FALSE(form.isWindowModified());
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(doc, moved);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(canvas, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc, designed);
    EXPECT_EQ(form.Paper().CanvasOutline, designedOutline);

    // The designer shows the document's camera again after an undo of its OK.
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Designer()->Camera().KeptPageStyle(), kStyleLFold);
}

// The last run's Open and Save folders are offered again; the Open dialog's choice is kept.
TEST(FormMainFolders, TheLastRunsFoldersAreOfferedAgain)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir opened, saved, next;
    const QString picture = next.filePath(QStringLiteral("cup.png"));
    ASSERT_TRUE(QImage(40, 20, QImage::Format_RGB32).save(picture));
    SettingsStore store;
    RememberFolder(store, kLastOpenFolder, opened.path());
    RememberFolder(store, kLastSaveFolder, saved.path());

    Document doc;
    FormMain form(doc);
    EXPECT_EQ(form.AppFolders().SaveFolder, saved.path());
    ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), opened.path());
        ChooseFile(dialog, picture);
    });
    form.OnCommand(ID_OPEN);
    EXPECT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(doc.PictureWidth, 40);
    EXPECT_EQ(RememberedFolder(store, kLastOpenFolder, {}), next.path());
    QFile::remove(store.FilePath());
}

namespace {

// The resolution of the Page Resolution drop-down's checked item.
int32_t CheckedResolution(const FormMain& form)
{
    const QList<QAction*> items = form.ResolutionButton()->menu()->actions();
    const auto checked = std::find_if(items.begin(), items.end(), [](QAction* item) { return item->isChecked(); });
    return checked == items.end() ? 0 : (*checked)->data().toInt();
}

} // namespace

// The resolution chosen is the document's and the next run's; an opened layout brings its
// own; a value the program did not write reads as 144 dpi.
TEST(FormMainResolution, ChoiceIsKeptForTheNextRunAndDamagedValuesRead144)
{
    SettingsStore store;
    ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kPageDpi), QStringLiteral("1200")));
    Document doc;
    auto form = std::make_unique<FormMain>(doc);
    EXPECT_TRUE(form->CommandBars1()->actions().contains(form->ResolutionButton()));
    EXPECT_EQ(form->ResolutionButton()->menu()->actions().size(), 3);
    EXPECT_EQ(CheckedResolution(*form), 144);
    EXPECT_EQ(doc.PageDpi, 144);

    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("page.quorvane"));
    ASSERT_TRUE(form->SaveLayout(layout));
    form->ResolutionButton()->menu()->actions().at(2)->trigger();
    EXPECT_EQ(CheckedResolution(*form), 600);
    ASSERT_TRUE(form->OpenLayout(layout)); // the layout's own resolution comes back
    EXPECT_EQ(doc.PageDpi, 144);
    EXPECT_EQ(CheckedResolution(*form), 144);
    form->ResolutionButton()->menu()->actions().at(1)->trigger();

    form.reset();
    Document next;
    FormMain again(next);
    EXPECT_EQ(next.PageDpi, 300);
    EXPECT_EQ(CheckedResolution(again), 300);
    QFile::remove(store.FilePath());
}
