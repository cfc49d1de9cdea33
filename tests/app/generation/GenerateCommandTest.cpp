#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/generation/FormProgress.h"
#include "app/generation/GenerateCommand.h"
#include "app/output/CheckView.h"
#include "app/output/FormCheck3D.h"
#include "app/output/FormPrint.h"
#include "app/output/FormViewer.h"
#include "core/shell/PageStyle.h"
#include "support/ModalWatcher.h"

using namespace quorvane;

namespace {

template <typename T>
QList<T*> OpenWindows()
{
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

class GenerateCommand : public testing::Test {
protected:
    // A flat L outline, so a whole generation takes a moment only.
    void SetUp() override
    {
        paper.CanvasOutline = {{{0, 2}, {708, 0}, {708, 15}, {708, 30}, {0, 30}, {0, 15}}};
        doc.PictureImage = QImage(40, 20, QImage::Format_ARGB32);
        doc.PictureImage.fill(Qt::blue);
        doc.Place = {0, 0, 700, 30};
        mainWindow.show();
    }
    void Run() { RunGenerate(doc, paper, control, SaveFolder, &mainWindow); }
    // A viewer takes the windows it owns (3D Check) with it.
    void TearDown() override
    {
        qDeleteAll(OpenWindows<FormViewer>());
        qDeleteAll(OpenWindows<FormProgress>());
    }

    QWidget mainWindow;
    Document doc;
    CanvasPaper paper;
    GenControl control;
    QString SaveFolder;
};

} // namespace

TEST_F(GenerateCommand, OpensTheViewerWithThePageAndHidesTheMainWindowTillItCloses)
{
    Run();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const auto viewers = OpenWindows<FormViewer>();
    ASSERT_EQ(viewers.size(), 1);
    QTRY_VERIFY(OpenWindows<FormProgress>().isEmpty()); // closes itself at 100
    EXPECT_FALSE(mainWindow.isVisible()); // the viewer brings it back, not the progress dialog

    viewers[0]->ViewerCommand(1040); // between Close and 3D Check: no command
    EXPECT_TRUE(OpenWindows<FormCheck3D>().isEmpty() && viewers[0]->isVisible());
    viewers[0]->CommandBars1()->actions().at(3)->trigger(); // Close
    EXPECT_FALSE(viewers[0]->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}

// With page marks the viewer's page, which Save and Print take, has its fold ticks.
TEST_F(GenerateCommand, PageMarksReachTheViewersPage)
{
    for (const bool marks : {false, true}) {
        RunGenerate(doc, paper, control, SaveFolder, &mainWindow, marks);
        const auto viewers = OpenWindows<FormViewer>();
        ASSERT_EQ(viewers.size(), 1);
        const QImage page = viewers[0]->PageImage();
        EXPECT_EQ(page.pixel(0, page.height() / 2) == qRgb(0, 0, 0), marks);
        delete viewers[0];
    }
}

// A grid's sheets carry their own marks: its assembled page gets no page marks. A grid too
// large at the chosen resolution is refused before anything is made, the main window staying.
TEST_F(GenerateCommand, GridPageHasNoPageMarksAndAGridTooLargeIsRefusedAtOnce)
{
    doc.Paper.Grid = {2, 1, 10.0};
    RunGenerate(doc, paper, control, SaveFolder, &mainWindow, true);
    const auto viewers = OpenWindows<FormViewer>();
    ASSERT_EQ(viewers.size(), 1);
    const QImage page = viewers[0]->PageImage();
    EXPECT_EQ(page.size(), *doc.Paper.PageSize(144));
    EXPECT_NE(page.pixel(0, page.height() / 2), qRgb(0, 0, 0));
    viewers[0]->close(); // brings the main window back

    doc.Paper.Grid = {6, 6, 10.0};
    doc.PageDpi = 600;
    control.GenProgress = 7; // a run would start again from 0
    MessageBoxWatcher box;
    Run();
    EXPECT_EQ(control.GenProgress, 7);
    EXPECT_EQ(box.Seen().text,
              QStringLiteral("The page is too large at 600 dpi: the largest resolution that fits is 300 dpi."));
    EXPECT_TRUE(OpenWindows<FormViewer>().isEmpty());
    EXPECT_TRUE(mainWindow.isVisible());
}

// A 300 dpi page is saved whole and shown from a copy at the 144 dpi page's size; Print
// opens the print dialog (any other window fails the test).
TEST_F(GenerateCommand, ViewerSaveWritesThePageAndPrintAsksForAPrinter)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir folder;
    SaveFolder = folder.path();
    doc.PageDpi = 300;
    Run();
    const auto viewers = OpenWindows<FormViewer>();
    ASSERT_EQ(viewers.size(), 1);
    const QString path = folder.filePath(QStringLiteral("page.png"));
    ModalWatcher<QFileDialog> save([&path](QFileDialog& dialog) { ChooseFile(dialog, path); });
    viewers[0]->CommandBars1()->actions().at(0)->trigger(); // Save
    const QImage saved(path);
    EXPECT_EQ(saved.size(), QSize(2480, 3508));
    EXPECT_EQ(saved.dotsPerMeterY(), 11811); // the page's resolution reaches the save
    EXPECT_EQ(viewers[0]->ShownPage().width(), 1190);

    if (QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "Print needs a printer: run under scripts/with-cups.sh";
    ModalWatcher<FormPrint> print([](FormPrint& dialog) { dialog.reject(); });
    viewers[0]->CommandBars1()->actions().at(1)->trigger(); // Print
    EXPECT_EQ(print.Seen(), 1);
}

TEST_F(GenerateCommand, ThreeDCheckShowsThePageOnThePaperFromTheCameraAndOrbitsBack)
{
    doc.Outline.Camera = {120.0, 60.0, 20.0, 20.0};
    Run();
    const auto viewers = OpenWindows<FormViewer>();
    ASSERT_EQ(viewers.size(), 1);
    viewers[0]->CommandBars1()->actions().at(2)->trigger(); // 3D Check
    const auto checks = OpenWindows<FormCheck3D>();
    ASSERT_EQ(checks.size(), 1);
    CheckView* view = checks[0]->View();
    EXPECT_EQ(view->Camera(), doc.Camera());

    // The blue picture fills the page, so the printed paper shows blue.
    const QImage seen = view->grabFramebuffer();
    int blue = 0;
    for (int y = 0; y < seen.height(); y += 2)
        for (int x = 0; x < seen.width(); x += 2)
            blue += qBlue(seen.pixel(x, y)) > qRed(seen.pixel(x, y)) + 60 ? 1 : 0;
    EXPECT_GT(blue, 100);

    const QPoint middle = view->rect().center();
    QTest::mousePress(view, Qt::LeftButton, {}, middle);
    QTest::mouseMove(view, middle + QPoint(50, 30));
    QTest::mouseRelease(view, Qt::LeftButton, {}, middle + QPoint(50, 30));
    EXPECT_NE(view->Camera().CameraAngle, doc.Camera().CameraAngle);
    EXPECT_NE(view->Camera().CameraHeight, doc.Camera().CameraHeight);

    checks[0]->CameraView();
    EXPECT_EQ(view->Camera(), doc.Camera());
    // Escape is the Close button's shortcut, which needs the window active. Another test's
    // window on the shared display can take the activation away, so it is asked for again.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        checks[0]->activateWindow();
        return QTest::qWaitForWindowActive(checks[0], 500);
    }, 10000));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(OpenWindows<FormCheck3D>().isEmpty());
}

// Qt gives the view a new context when its window changes, with no resize when its size
// stays: the new context must draw the same frame, not one without projection or page.
TEST(ThreeDCheck, ViewInANewContextDrawsTheSameFrame)
{
    QImage page(1190, 1684, QImage::Format_RGB32);
    page.fill(Qt::blue);
    FormCheck3D check(page, Paper{}, CameraValues{}, nullptr);
    check.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&check));
    CheckView* view = check.View();
    const QImage before = view->grabFramebuffer();
    QWidget other;
    other.resize(check.size());
    const QRect geometry = view->geometry();
    view->setParent(&other); // a new window: a new context
    view->setGeometry(geometry);
    view->show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    EXPECT_EQ(view->grabFramebuffer(), before);
    view->setParent(&check); // back, so the window deletes it
}

TEST_F(GenerateCommand, StopDuringTheFirstPassBringsTheMainWindowBack)
{
    QTimer::singleShot(0, [] {
        const auto dialogs = OpenWindows<FormProgress>();
        ASSERT_EQ(dialogs.size(), 1);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the progress shows instead
        QTest::mouseClick(dialogs[0]->CmdStop(), Qt::LeftButton);
    });
    Run();
    EXPECT_TRUE(control.GenStop);
    EXPECT_LT(control.GenProgress, 50);
    EXPECT_TRUE(OpenWindows<FormViewer>().isEmpty());
    EXPECT_TRUE(OpenWindows<FormProgress>().isEmpty());
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(GenerateCommand, ProgressDialogClosesOnlyAtOneHundred)
{
    auto* dialog = new FormProgress(control, &mainWindow);
    dialog->show();
    control.GenProgress = 99;
    dialog->TimerProgress_Timer();
    EXPECT_TRUE(dialog->isVisible());
    control.GenProgress = 100;
    dialog->TimerProgress_Timer();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GenerateCommand, DibErrorClosesTheDialogAndBringsTheMainWindowBack)
{
    paper.CanvasOutline = {{{0, 0}, {0, 90000}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}};
    control.GenProgress = 30; // left from an earlier run: the dialog would never reach 100
    MessageBoxWatcher watcher;
    Run();
    EXPECT_EQ(watcher.Seen().text, QStringLiteral("DIB ERROR"));
    EXPECT_TRUE(OpenWindows<FormProgress>().isEmpty());
    EXPECT_TRUE(OpenWindows<FormViewer>().isEmpty());
    EXPECT_TRUE(mainWindow.isVisible());
}
