#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/designer/FormOpenGL.h"
#include "app/editor/CanvasWidget.h"
#include "app/shell/FormMain.h"
#include "core/services/MappingSetting.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "core/shell/CommandTable.h"
#include "support/ModalWatcher.h"
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
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvane"));
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

TEST_F(FormMainFixture, OpeningAPicturePlacesItByTheDefaultRule)
{
    QTemporaryDir dir;
    QImage wide(400, 200, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(wide.save(path));
    doc.Place.SelX1 = 5;

    EXPECT_TRUE(form.OpenPicture(path));
    EXPECT_EQ(doc.PictureWidth, 400);
    EXPECT_EQ(doc.Place.SelY1, 180.0f);                   // (480 - 240) * 0.75
    EXPECT_EQ(doc.Place.SelX2 - doc.Place.SelX1, 480.0f); // twice the height
    EXPECT_EQ(doc.Place.SelX1, 168.0f);                   // (853 - 480) * 0.45 = 167.85
}

// Undecodable or cut short (a decoder would fill in the missing rows).
TEST_F(FormMainFixture, PictureThatCannotBeUsedKeepsThePreviousOneAndSaysWhy)
{
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("whole.bmp"))));
    QFile whole(dir.filePath(QStringLiteral("whole.bmp")));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bmp = whole.readAll();
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } rows[] = {{"broken.gif", "GIF89a but nothing else", "damaged"},
                {"quarter.bmp", bmp.left(bmp.size() / 4), "damaged"}};
    const qint64 pictureKey = doc.PictureImage.cacheKey();
    const float x1 = doc.Place.SelX1;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.bytes) > 0);
        file.close();
        MessageBoxWatcher watcher;
        EXPECT_FALSE(form.OpenPicture(path));
        EXPECT_EQ(watcher.Seen().title, QStringLiteral("Error"));
        EXPECT_EQ(watcher.Seen().icon, QMessageBox::Critical);
        EXPECT_TRUE(watcher.Seen().text.contains(QString::fromUtf8(row.name))
                    && watcher.Seen().text.contains(QString::fromUtf8(row.reason)))
            << watcher.Seen().text.toStdString();
        EXPECT_EQ(doc.PictureImage.cacheKey(), pictureKey);
        EXPECT_EQ(doc.Place.SelX1, x1);
    }
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

    form.ExactButton()->trigger();
    EXPECT_EQ(doc.Mapping, SheetMapping::Exact);
    EXPECT_EQ(store.ReadSetting(QString::fromLatin1(kExactPerspective)), QStringLiteral("1"));
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
