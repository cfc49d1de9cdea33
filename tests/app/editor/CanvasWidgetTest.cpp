#include <gtest/gtest.h>

#include <QAction>
#include <QMouseEvent>
#include <QTest>

#include "app/editor/CanvasWidget.h"
#include "app/shell/FormMain.h"

using namespace quorvane;

namespace {

struct CanvasMouseFixture : testing::Test {
    CanvasMouseFixture()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        doc.SelX1 = 200, doc.SelY1 = 100, doc.SelX2 = 400, doc.SelY2 = 300;
        form.CommandBars1_Resize(); // redraws with the grips at this placement
    }
    // A move with no button held, as the pointer passing over the canvas delivers it.
    void Hover(QPointF pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, canvas->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &move);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(canvas, button, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, button, {}, to);
    }
    QRectF Placement() const { return QRectF(QPointF(doc.SelX1, doc.SelY1), QPointF(doc.SelX2, doc.SelY2)); }

    DocumentState doc;
    FormMain form{doc};
    CanvasWidget* canvas = form.Picture1();
};

} // namespace

TEST_F(CanvasMouseFixture, GripDraggedOffTheCanvasResizesToItsBorder)
{
    Hover(QPointF(401.5, 298.5));
    EXPECT_EQ(doc.HitZone, 2);
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeFDiagCursor);
    Hover(QPointF(402.5, 200));
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeHorCursor);
    Hover(QPointF(400, 100));
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeBDiagCursor);

    Drag(Qt::LeftButton, QPoint(400, 100), QPoint(1000, -40));
    EXPECT_EQ(Placement(), QRectF(QPointF(200, 0), QPointF(853, 300)));
    EXPECT_TRUE(doc.SelShown);
}

TEST_F(CanvasMouseFixture, InsideDragMovesThePictureAndOtherButtonsDoNot)
{
    Hover(QPointF(300, 200));
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeAllCursor);
    Drag(Qt::RightButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placement(), QRectF(200, 100, 200, 200));

    Drag(Qt::LeftButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placement(), QRectF(250, 160, 200, 200));
    Hover(QPointF(10, 10));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CanvasMouseFixture, PreviewModeIgnoresTheMouse)
{
    form.EditModeButton()->trigger();
    Hover(QPointF(300, 200));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    Drag(Qt::LeftButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placement(), QRectF(200, 100, 200, 200));
    EXPECT_FALSE(doc.SelShown);
}
