#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QToolBar>

#include "app/output/FormViewer.h"
#include "app/output/ResultDisplay.h"

using namespace quorvane;

namespace {

QImage Page(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::darkCyan);
    return page;
}

} // namespace

TEST(FormViewer, KeepsItsOwnCopyAndFitsItIntoTheDisplay)
{
    QImage page = Page(QSize(1190, 1684));
    FormViewer viewer(page, nullptr);
    viewer.show();
    page.fill(Qt::red);

    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Quorvane - Picture Viewer"));
    EXPECT_EQ(viewer.size(), QSize(749, 416));
    EXPECT_EQ(viewer.PageImage().pixel(0, 0), QColor(Qt::darkCyan).rgb());

    // A portrait page in a wide display touches top and bottom and is centred across.
    const ResultDisplay* display = viewer.Picture1();
    const QRect shown = display->PageRect();
    EXPECT_EQ(shown.top(), 0);
    EXPECT_EQ(shown.height(), display->height());
    EXPECT_LE(std::abs(shown.left() * 2 + shown.width() - display->width()), 1);
}

TEST(FormViewer, ToolbarCommandsByIdAndClosingShowsTheMainWindow)
{
    QWidget mainWindow;
    auto* viewer = new FormViewer(Page(QSize(20, 30)), &mainWindow);
    viewer->show();
    ASSERT_EQ(viewer->CommandBars1()->actions().size(), 4);

    QSignalSpy saves(viewer, &FormViewer::SaveRequested);
    QSignalSpy prints(viewer, &FormViewer::PrintRequested);
    QSignalSpy checks(viewer, &FormViewer::Check3DRequested);
    viewer->CommandBars1()->actions()[0]->trigger();
    viewer->ViewerCommand(ID_PRINT);
    viewer->ViewerCommand(1020);
    viewer->ViewerCommand(1040);
    viewer->CommandBars1()->actions()[2]->trigger();
    EXPECT_EQ(saves.count(), 1);
    EXPECT_EQ(prints.count(), 1);
    EXPECT_EQ(checks.count(), 1);
    EXPECT_TRUE(viewer->isVisible());

    EXPECT_FALSE(mainWindow.isVisible());
    viewer->ViewerCommand(ID_CLOSE);
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}
