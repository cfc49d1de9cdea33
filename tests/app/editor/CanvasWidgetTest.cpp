#include <gtest/gtest.h>

#include <array>

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
        doc.Place = {200, 100, 400, 300};
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
        Hover(from);
        QTest::mousePress(canvas, button, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, button, {}, to);
    }
    QRectF Placed() const
    {
        const Placement& p = doc.Place;
        return QRectF(QPointF(p.SelX1, p.SelY1), QPointF(p.SelX2, p.SelY2));
    }

    Document doc;
    FormMain form{doc};
    CanvasWidget* canvas = form.Picture1();
};

} // namespace

TEST_F(CanvasMouseFixture, EachZoneShowsItsPointerAndPreviewModeIgnoresTheMouse)
{
    const std::array<std::pair<QPointF, Qt::CursorShape>, 6> rows{{{{401.5, 298.5}, Qt::SizeFDiagCursor},
                                                                   {{400, 100}, Qt::SizeBDiagCursor},
                                                                   {{402.5, 200}, Qt::SizeHorCursor},
                                                                   {{300, 100}, Qt::SizeVerCursor},
                                                                   {{300, 200}, Qt::SizeAllCursor},
                                                                   {{10, 10}, Qt::ArrowCursor}}};
    for (const auto& [at, shape] : rows) {
        Hover(at);
        EXPECT_EQ(canvas->cursor().shape(), shape) << at.x() << "," << at.y();
    }

    form.EditModeButton()->trigger();
    Hover(QPointF(300, 200));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
    Drag(Qt::LeftButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placed(), QRectF(200, 100, 200, 200));
}

TEST_F(CanvasMouseFixture, LeftDragsMoveAndResizeUpToTheCanvasBorderOtherButtonsDoNot)
{
    Drag(Qt::RightButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placed(), QRectF(200, 100, 200, 200));
    Drag(Qt::LeftButton, QPoint(300, 200), QPoint(350, 260));
    EXPECT_EQ(Placed(), QRectF(250, 160, 200, 200));
    Drag(Qt::LeftButton, QPoint(450, 160), QPoint(1000, -40)); // the top-right grip, off the canvas
    EXPECT_EQ(Placed(), QRectF(QPointF(250, 0), QPointF(853, 360)));
    EXPECT_TRUE(form.Editor().SelShown);
}
