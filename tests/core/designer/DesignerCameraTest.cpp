#include <gtest/gtest.h>

#include <array>

#include "core/designer/CameraInput.h"
#include "core/designer/DesignerCamera.h"
#include "core/shell/PageStyle.h"

namespace quorvane {
namespace {

void Apply(DesignerCamera& camera, const std::vector<SliderAssignment>& steps)
{
    for (const SliderAssignment& step : steps)
        camera.SetSliderValue(step.row, step.value);
}

TEST(DesignerCamera, SliderKeepsItsRangeAndReportsOnlyChanges)
{
    DesignerCamera camera;
    EXPECT_TRUE(camera.SetSliderValue(CameraRow::Angle, -120));
    EXPECT_EQ(camera.FieldText(CameraRow::Angle), "-90");
    EXPECT_EQ(camera.FieldText(CameraRow::Distance), "105.9"); // the default camera, 150 scene units
    EXPECT_EQ(camera.FieldText(CameraRow::Height), "53.1");
    EXPECT_FALSE(camera.SetSliderValue(CameraRow::Angle, -90));
    EXPECT_TRUE(camera.SetSliderValue(CameraRow::Height, 0));
    EXPECT_DOUBLE_EQ(camera.Camera().CameraHeight, 3.0);
    EXPECT_TRUE(camera.SetSliderValue(CameraRow::Distance, 1));
    EXPECT_DOUBLE_EQ(camera.Camera().CameraDistance, 5.0);
}

TEST(DesignerCamera, RestoreReturnsToTheLastCommit)
{
    DesignerCamera camera;
    camera.SetSliderValue(CameraRow::Distance, 900);
    EXPECT_EQ(camera.Restore(), Paper{}); // never committed: the creation values
    EXPECT_EQ(camera.SliderValue(CameraRow::Distance), 1500);

    camera.SetSliderValue(CameraRow::Height, 1234);
    const Paper upright{PaperFormat::A4, PaperLayout::Upright};
    camera.Commit(upright);
    camera.SetSliderValue(CameraRow::Height, 30);
    EXPECT_EQ(camera.Restore(), upright);
    EXPECT_EQ(camera.SliderValue(CameraRow::Height), 1234);
    EXPECT_DOUBLE_EQ(camera.Camera().CameraHeight, 123.4);
}

TEST(CameraFields, TakeDigitsBackspaceOneLeadingMinusForTheAngleAndOnePointForLengths)
{
    for (CameraRow row : kCameraRows) {
        for (QChar c : QStringLiteral("0123456789\b"))
            EXPECT_TRUE(AcceptsFieldCharacter(row, c, u"", u"12")) << int(c.unicode());
        for (QChar c : QStringLiteral("+,e a"))
            EXPECT_FALSE(AcceptsFieldCharacter(row, c, u"", u"")) << int(c.unicode());
        EXPECT_EQ(AcceptsFieldCharacter(row, u'.', u"10", u"5"), DesignerCamera::ShowsLength(row));
        EXPECT_FALSE(AcceptsFieldCharacter(row, u'.', u"10", u".5"));
    }
    // The text before and after the caret: a minus only at the start of an unsigned angle.
    EXPECT_TRUE(AcceptsFieldCharacter(CameraRow::Angle, u'-', u"", u"30"));
    EXPECT_FALSE(AcceptsFieldCharacter(CameraRow::Angle, u'-', u"", u"-30"));
    EXPECT_FALSE(AcceptsFieldCharacter(CameraRow::Angle, u'-', u"3", u"0"));
    for (CameraRow row : {CameraRow::Distance, CameraRow::Height, CameraRow::FieldOfView})
        EXPECT_FALSE(AcceptsFieldCharacter(row, u'-', u"", u""));
}

TEST(CameraFields, MoveTheSliderWhileTypingOnlyInsideTheRangeAndClampWhenLeft)
{
    EXPECT_EQ(LeadingNumber(u"-"), 0.0);
    EXPECT_EQ(LeadingNumber(u" 12abc"), 12.0);
    EXPECT_EQ(LeadingNumber(u"-1.5x"), -1.5);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Angle, u""), 0); // emptied angle: 0 at once
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Angle, u"-"), std::nullopt); // a sign alone waits
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Angle, u"-30"), -30);
    // Lengths are centimetres of printed paper: a scene unit is 21.0 / 29.75 = 12 / 17 cm, and
    // a slider step a tenth of it.
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u""), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"3"), std::nullopt); // 42.5 steps
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"105.9"), 1500);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"60"), 850);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Height, u"53.1"), 752);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"300"), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Height, u"0.3"), std::nullopt); // 4.25 steps
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"99999999999999999999"), std::nullopt);

    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u""), 50);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u"99999999999999999999"), 4000);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::FieldOfView, u"91"), 90);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Angle, u"-200"), -90);
}

TEST(ViewDrag, ChangesOneSliderPerMoveWithinItsLimits)
{
    struct Row { const char* name; DragButton button; QPointF by; CameraRow row; int start, expected; };
    const std::array<Row, 10> rows{{
        {"right turns a degree per three pixels", DragButton::Left, {30, 10}, CameraRow::Angle, 31, 41},
        {"down raises the eye", DragButton::Left, {10, 30}, CameraRow::Height, 752, 852},
        {"turn stops at 90", DragButton::Left, {60, 0}, CameraRow::Angle, 85, 90},
        {"turn stops at -90", DragButton::Left, {-60, 0}, CameraRow::Angle, -85, -90},
        {"eye stops at the slider minimum", DragButton::Left, {0, -900}, CameraRow::Height, 100, 30},
        {"right button down moves away", DragButton::Right, {0, 30}, CameraRow::Distance, 1500, 1600},
        {"right button leftwards comes nearer", DragButton::Right, {-30, 3}, CameraRow::Distance, 1500, 1400},
        {"zoom stops at the slider minimum", DragButton::Right, {0, -3000}, CameraRow::Distance, 100, 50},
        {"small moves change nothing", DragButton::Left, {1.4, 1.4}, CameraRow::Height, 752, 752},
        {"other buttons do nothing", DragButton::Other, {30, 30}, CameraRow::Height, 752, 752},
    }};
    for (const Row& row : rows) {
        DesignerCamera camera;
        camera.SetSliderValue(row.row, row.start);
        const DesignerCamera before = camera;
        ViewDrag drag;
        drag.Press(row.button, QPointF(100, 100));
        Apply(camera, drag.Move(QPointF(100, 100) + row.by, camera));
        for (CameraRow r : kCameraRows)
            EXPECT_EQ(camera.SliderValue(r), r == row.row ? row.expected : before.SliderValue(r)) << row.name;
    }
}

TEST(ViewDrag, RoundsEachMoveSoSlowDragsDoNothingAndStopsAtRelease)
{
    DesignerCamera camera;
    ViewDrag drag;
    drag.Press(DragButton::Left, QPointF(0, 0));
    for (int x = 1; x <= 30; ++x)
        Apply(camera, drag.Move(QPointF(x, 0), camera));
    EXPECT_EQ(camera.SliderValue(CameraRow::Angle), 31);
    // Positions are stored rounded: 0.5 is kept as 0, so a move to 4.5 is 1.5 steps -> 2.
    drag.Press(DragButton::Left, QPointF(0.5, 0));
    Apply(camera, drag.Move(QPointF(4.5, 0), camera));
    EXPECT_EQ(camera.SliderValue(CameraRow::Angle), 33);

    drag.Press(DragButton::Right, QPointF(0, 0));
    EXPECT_TRUE(drag.MagnifierShown());
    drag.Release(DragButton::Left); // any release brings the rotate pointer back
    EXPECT_FALSE(drag.MagnifierShown());
    EXPECT_TRUE(drag.ZoomDrag());
    drag.Release(DragButton::Right);
    EXPECT_TRUE(drag.Move(QPointF(90, 90), camera).empty());
}

} // namespace
} // namespace quorvane
