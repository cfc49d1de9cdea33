#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QMenu>
#include <QMimeData>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/common/BusyCursor.h"
#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/shell/CommandBars.h"
#include "app/shell/FormMain.h"
#include "app/shell/MenuBar.h"
#include "core/services/PageSettings.h"
#include "core/services/RecentFiles.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "support/ModalWatcher.h"

using namespace quorvane;

namespace {

struct FormMainFixture : testing::Test {
    FormMainFixture()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    const EditorState& Editor() const { return form.Editor(); }
    Placement OnCanvas() const { return PlacementOnCanvas(doc, form.Fitted()); }
    // A move with no button held, as the pointer passing over the canvas delivers it.
    void Hover(QPointF at)
    {
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(canvas, &move);
    }
    // Sizes the window so the canvas gets this size.
    void ResizeCanvas(QSize size)
    {
        form.resize(size + form.size() - canvas->size());
        QTRY_COMPARE(canvas->size(), size);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        Hover(from);
        QTest::mousePress(canvas, button, {}, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, button, {}, to);
    }

    FormMain form;
    Document& doc = form.Session().EditedDoc();
    CanvasWidget* canvas = form.Picture1();
};

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

// The resolution of the Page Resolution drop-down's checked item.
int32_t CheckedResolution(const FormMain& form)
{
    for (const QAction* item : form.ResolutionButton()->menu()->actions()) {
        if (item->isChecked())
            return item->data().toInt();
    }
    return 0;
}

} // namespace

TEST_F(FormMainFixture, StartsInEditModeWithTheSamplePictureOnTheDefaultPaper)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("tyrannosaurus.png[*] \u2013 Quorvane"));
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_TRUE(form.EditModeButton()->isChecked());
    EXPECT_TRUE(Editor().SelShown);
    EXPECT_EQ(form.Fitted().CanvasOutline[0], QPoint(173, 80)); // the default paper fitted to this canvas
    EXPECT_EQ(doc.PictureFile, form.AppFolders().ObjectFolder + QStringLiteral("tyrannosaurus.png"));
    ASSERT_FALSE(doc.PictureImage.isNull());
    // Every toolbar button explains itself beyond its caption and names its key.
    for (const QAction* button : form.CommandBars1()->actions()) {
        if (button->isSeparator())
            continue;
        const QString key = button->shortcut().toString();
        EXPECT_NE(button->toolTip(), button->text());
        EXPECT_TRUE(key.isEmpty() || button->toolTip().endsWith(QLatin1Char('[') + key + QLatin1Char(']')))
            << button->toolTip().toStdString();
    }
}

// Every command of the table is in a menu. A command shown in several places is one action
// there, so each key is bound once (a key bound twice would do nothing) and the menus
// show the toolbar's checked states. Open Recent lists what was opened and saved, newest
// first.
TEST_F(FormMainFixture, MenusHoldEveryCommandEachKeyBoundOnceAndTheRecentFiles)
{
    QHash<int, QAction*> inMenus;
    QList<QMenu*> menus;
    for (QAction* title : form.menuBar()->actions()) {
        menus.append(title->menu());
        for (QAction* action : title->menu()->actions())
            inMenus.insert(action->data().toInt(), action);
    }
    for (const std::span<const CommandEntry> list : {ToolbarCommands(), HelpMenuCommands(), CanvasMenuCommands(), MenuBarCommands()}) {
        for (const CommandEntry& entry : list)
            EXPECT_TRUE(inMenus.contains(entry.id)) << entry.caption;
    }
    EXPECT_EQ(inMenus.value(ID_SWITCH), form.EditModeButton());
    EXPECT_EQ(inMenus.value(ID_RESOLUTION), form.ResolutionButton()); // the submenu of resolutions
    QHash<QString, const QAction*> bound;
    for (const QAction* action : form.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(bound.contains(key.toString())) << key.toString().toStdString();
            bound.insert(key.toString(), action);
        }
    }
    EXPECT_TRUE(bound.contains(QStringLiteral("Ctrl+Q")) && bound.contains(QStringLiteral("Ctrl+N")));

    QTemporaryDir dir;
    QStringList made;
    for (const char* name : {"cup.png", "cup.quorvane", "gone.png"})
        made.append(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(form.OpenPicture(DrawnPicture(dir, "gone.png", {20, 20})));
    ASSERT_TRUE(form.OpenPicture(DrawnPicture(dir, "cup.png", {20, 20})));
    ASSERT_TRUE(form.SaveLayout(made[1]));
    ASSERT_TRUE(QFile::remove(made[2]));
    emit menus.front()->aboutToShow();
    QStringList listed;
    for (const QAction* item : form.findChild<MenuBar*>()->RecentAction()->menu()->actions())
        listed.append(item->toolTip());
    EXPECT_EQ(listed.mid(0, 2), (QStringList{made[1], made[0]}));
    EXPECT_FALSE(listed.contains(made[2]));
}

// New starts afresh from the sample picture, placed as at start-up, keeping the paper's
// style, the camera and the page options; it is no step and leaves nothing unsaved.
TEST_F(FormMainFixture, NewKeepsStyleCameraAndPageOptionsAndStartsAfresh)
{
    const Document start = doc;
    form.Session().Apply(QStringLiteral("Design"), [](Document& changed, const CanvasPaper&) {
        changed.Paper.Layout = PaperLayout::Flat;
        changed.Outline.Camera.FieldOfView = 40.0;
    });
    form.Session().SetPageDpi(600);
    QTemporaryDir dir;
    ASSERT_TRUE(form.OpenPicture(DrawnPicture(dir, "cup.png", {30, 20})));
    const Document designed = doc;
    MessageBoxWatcher discard(QMessageBox::Discard);
    form.OnCommand(ID_NEW);
    EXPECT_EQ(discard.Seen().text, QStringLiteral("Save changes to the layout?"));
    EXPECT_EQ(doc.Paper, designed.Paper);
    EXPECT_EQ(doc.Outline, designed.Outline);
    EXPECT_EQ(doc.PageDpi, 600);
    EXPECT_EQ(doc.PictureFile, start.PictureFile);
    EXPECT_EQ(doc.Place, start.Place);
    EXPECT_FALSE(form.History().Stack().canUndo());
    EXPECT_FALSE(form.isWindowModified());
}

// The mode decides, whichever way it is switched; the grips and the hover zone go with it.
TEST_F(FormMainFixture, EditModeSwitchesByButtonKeyAndIdAndTheButtonFollows)
{
    const Placement place = doc.Place;
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const std::function<void()> switches[] = {
        [&] { form.EditModeButton()->trigger(); },
        [&] { QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier); }, // the shortcut the tooltip names
        [&] { form.OnCommand(ID_SWITCH); },
        [&] { form.EditModeButton()->trigger(); }, // the button after a switch by id
    };
    bool preview = false;
    for (const std::function<void()>& flip : switches) {
        Hover(QPointF((OnCanvas().SelX1 + OnCanvas().SelX2) / 2, OnCanvas().SelY1 + 20));
        flip();
        preview = !preview;
        EXPECT_EQ(Editor().PreviewMode, preview);
        EXPECT_EQ(Editor().SelShown, !preview);
        EXPECT_EQ(form.EditModeButton()->isChecked(), !preview);
        EXPECT_TRUE(!preview || Editor().HitZone == 0);
    }
    EXPECT_EQ(doc.Place, place);
}

// A dropped picture opens as Open opens one: under the busy pointer, placed by the default
// rule, named in the title. Other drops are refused without a message.
TEST_F(FormMainFixture, DroppedPictureOpensAndOtherDropsAreRefused)
{
    QTemporaryDir dir;
    QMimeData picture;
    picture.setUrls({QUrl::fromLocalFile(DrawnPicture(dir, "wide.png", {400, 200}))});
    QMimeData words;
    words.setText(QStringLiteral("not a file"));
    const int busy = BusyCursor::ShownCount();
    MessageBoxWatcher none; // records a message box, should one show
    EXPECT_FALSE(Drop(form, words));
    EXPECT_TRUE(Drop(form, picture));
    EXPECT_FALSE(none.Seen().shown);
    EXPECT_EQ(BusyCursor::ShownCount(), busy + 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // Half the canvas high, (480 - 240) * 0.75 down, (853 - 480) * 0.45 = 167.85 across.
    EXPECT_EQ(doc.Place, (Placement{168, 180, 648, 420}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("wide.png[*] \u2013 Quorvane"));
    EXPECT_TRUE(form.isWindowModified());
}

// Sizing back to the first size gives the placement back bit for bit.
TEST_F(FormMainFixture, ResizingRefitsPaperAndPictureAndSizingBackGivesThePlacementBack)
{
    const Placement start = OnCanvas();
    ResizeCanvas({1706, 960});
    EXPECT_NEAR((OnCanvas().SelY2 - OnCanvas().SelY1) / (start.SelY2 - start.SelY1), 2.0, 0.02);
    ResizeCanvas({853, 480});
    EXPECT_EQ(OnCanvas(), start);
}

// The editor's drags have their own tests; here the mouse reaches them through the canvas
// widget, and the release off the canvas stops at the canvas's own size.
TEST_F(FormMainFixture, LeftDragsMoveAndResizeUpToTheCanvasBorderOtherButtonsDoNot)
{
    doc.Place = {200, 100, 400, 300};
    form.CommandBars1_Resize(); // redraws with the grips at this placement
    Drag(Qt::RightButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(doc.Place, (Placement{200, 100, 400, 300}));
    Drag(Qt::LeftButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(doc.Place, (Placement{250, 160, 450, 360}));
    Drag(Qt::LeftButton, QPoint(450, 160), QPoint(1000, -40)); // the top-right grip, off the canvas
    EXPECT_EQ(doc.Place, (Placement{250, 0, 853, 360}));
    EXPECT_TRUE(Editor().SelShown);
}

// A mouse move, two arrow presses (one step), an Open and a Designer OK undo and redo by
// their keys.
TEST_F(FormMainFixture, EachKindOfStepUndoesAndRedoesWithItsKeys)
{
    QTemporaryDir dir;
    const Document start = doc;
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    const QPoint inside((int(doc.Place.SelX1) + int(doc.Place.SelX2)) / 2, int(doc.Place.SelY1) + 20);
    Drag(Qt::LeftButton, inside, inside + QPoint(30, 0));
    const Document moved = doc;
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Left);
    EXPECT_EQ(doc.Place, moved.Place.Shifted(-1, 10));
    const Document nudged = doc;
    ASSERT_TRUE(form.OpenPicture(DrawnPicture(dir, "second.png", {200, 200})));
    const Document opened = doc;

    // The designer's OK refits the paper and leaves the picture where it is on the canvas.
    const Placement onCanvas = OnCanvas();
    ModalWatcher<FormOpenGL> watcher([](FormOpenGL& designer) {
        designer.findChild<QOpenGLWidget*>(QStringLiteral("PicMain"))->grabFramebuffer(); // the view draws once
        designer.findChild<QToolButton*>(QStringLiteral("Btn2Page1"))->click();
        designer.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    form.OnCommand(ID_PAPER);
    ASSERT_EQ(doc.Paper.Layout, PaperLayout::Flat);
    EXPECT_EQ(form.Fitted().CanvasOutline[0], form.Fitted().CanvasOutline[5]); // the flat sheet has no standing part
    EXPECT_EQ(OnCanvas(), onCanvas);
    EXPECT_TRUE(Editor().SelShown);
    const Document designed = doc;
    const Outline designedOutline = form.Fitted().CanvasOutline;
    // An OK that changes nothing is no step, even on a canvas of another size since.
    const int steps = form.History().Stack().count();
    ResizeCanvas({900, 565});
    ModalWatcher<FormOpenGL> unchanged([](FormOpenGL& designer) {
        designer.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    form.OnCommand(ID_PAPER);
    EXPECT_EQ(form.History().Stack().count(), steps);
    ResizeCanvas({853, 480});
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
    EXPECT_EQ(form.Fitted().CanvasOutline, designedOutline);

    // The designer shows the document's camera again after an undo of its OK.
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Designer()->Camera().KeptPaper().Layout, PaperLayout::LFold);
}

// The last run's Open and Save folders are offered again; the Open dialog's choice is kept.
TEST(FormMainFolders, TheLastRunsFoldersAreOfferedAgain)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir opened, saved, next;
    const QString picture = DrawnPicture(next, "cup.png", {40, 20});
    SettingsStore store;
    RememberFolder(store, kLastOpenFolder, opened.path());
    RememberFolder(store, kLastSaveFolder, saved.path());

    FormMain form;
    EXPECT_EQ(form.AppFolders().SaveFolder, saved.path());
    ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), opened.path());
        EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("All pictures (*.png *.jpg *.jpeg *.gif *.bmp *.tif *.tiff)"));
        ChooseFile(dialog, picture);
    });
    form.OnCommand(ID_OPEN);
    EXPECT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(form.Doc().PictureImage.width(), 40);
    EXPECT_EQ(RememberedFolder(store, kLastOpenFolder, {}), next.path());
    QFile::remove(store.FilePath());
}

// Exact perspective, the page resolution and page marks are settings, not steps: undo keeps
// them, the next run starts with them (beside the other settings), an opened layout brings
// its own mapping and resolution.
TEST(FormMainSettings, ExactAndResolutionAreKeptForTheNextRunAndLayoutsBringTheirOwn)
{
    SettingsStore store;
    ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), QStringLiteral("2026-12-1")));
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("kept.quorvane"));
    auto form = std::make_unique<FormMain>();
    const Document& doc = form->Doc();
    ASSERT_TRUE(form->OpenPicture(DrawnPicture(dir, "step.png", {30, 20}))); // a step made before the choices

    form->ExactButton()->trigger();
    form->ResolutionButton()->menu()->actions().at(2)->trigger();
    EXPECT_FALSE(form->PageMarksAction()->isChecked()); // off until chosen
    form->PageMarksAction()->trigger();
    form->History().Stack().undo();
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_EQ(doc.PageDpi, 600);
    ASSERT_TRUE(form->SaveLayout(layout));
    form->ExactButton()->trigger();
    form->ResolutionButton()->menu()->actions().at(1)->trigger();
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kExactPerspective)), QStringLiteral("0"));
    ASSERT_TRUE(form->OpenLayout(layout));
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_TRUE(form->ExactButton()->isChecked());
    EXPECT_EQ(CheckedResolution(*form), 600);

    form->OnCommand(ID_EXACT); // the dispatch alone reads the button as it stands
    form->ResolutionButton()->menu()->actions().at(1)->trigger();
    form.reset();
    FormMain again;
    const Document& next = again.Doc();
    EXPECT_EQ(next.Mapping, SheetMapping::Exact);
    EXPECT_TRUE(again.ExactButton()->isChecked());
    EXPECT_EQ(next.PageDpi, 300);
    EXPECT_EQ(CheckedResolution(again), 300);
    EXPECT_TRUE(again.PageMarksAction()->isChecked());
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kPageMarks)), QStringLiteral("1"));
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kLastCheckUpdate)), QStringLiteral("2026-12-1"));
    QFile::remove(store.FilePath());
}
