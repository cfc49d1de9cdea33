#include <gtest/gtest.h>

#include "core/designer/CameraInput.h"
#include "core/designer/CameraModel.h"
#include "core/shell/PageStyle.h"

namespace quorvane {
namespace {

void Apply(DesignerCamera& camera, const std::vector<SliderAssignment>& steps)
{
    for (const SliderAssignment& step : steps)
        camera.SetSliderValue(step.row, step.value);
}

TEST(DesignerCamera, StartsWithTheCreationCamera)
{
    DesignerCamera camera;
    EXPECT_EQ(camera.SliderValue(CameraRow::Distance), 1500);
    EXPECT_EQ(camera.SliderValue(CameraRow::Angle), 31);
    EXPECT_EQ(camera.SliderValue(CameraRow::Height), 752);
    EXPECT_EQ(camera.SliderValue(CameraRow::FieldOfView), 15);
    EXPECT_DOUBLE_EQ(camera.Camera().CameraDistance, 150.0);
    EXPECT_DOUBLE_EQ(camera.Camera().CameraHeight, 75.2);
    EXPECT_DOUBLE_EQ(camera.Camera().CameraAngle, 31.0);
    EXPECT_DOUBLE_EQ(camera.Camera().FieldOfView, 15.0);
    EXPECT_EQ(camera.FieldText(CameraRow::Distance), "1500");
    EXPECT_DOUBLE_EQ(camera.Kept().CameraHeight, 75.2);
}

TEST(DesignerCamera, SliderKeepsItsRangeAndReportsOnlyChanges)
{
    DesignerCamera camera;
    EXPECT_TRUE(camera.SetSliderValue(CameraRow::Angle, -120));
    EXPECT_EQ(camera.SliderValue(CameraRow::Angle), -90);
    EXPECT_EQ(camera.FieldText(CameraRow::Angle), "-90");
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
    camera.SetSliderValue(CameraRow::FieldOfView, 40);
    EXPECT_EQ(camera.Restore(), kStyleLFold); // never committed: the creation values
    EXPECT_EQ(camera.SliderValue(CameraRow::Distance), 1500);
    EXPECT_EQ(camera.SliderValue(CameraRow::FieldOfView), 15);

    camera.SetSliderValue(CameraRow::Height, 1234);
    camera.SetSliderValue(CameraRow::Angle, -45);
    camera.Commit(kStyleUpright);
    camera.SetSliderValue(CameraRow::Height, 30);
    camera.SetSliderValue(CameraRow::Angle, 90);
    EXPECT_EQ(camera.Restore(), kStyleUpright);
    EXPECT_EQ(camera.SliderValue(CameraRow::Height), 1234);
    EXPECT_EQ(camera.SliderValue(CameraRow::Angle), -45);
    EXPECT_DOUBLE_EQ(camera.Camera().CameraHeight, 123.4);
}

TEST(CameraFields, TakeOnlyDigitsAndBackspace)
{
    for (QChar c : QStringLiteral("0123456789\b"))
        EXPECT_TRUE(AcceptsFieldCharacter(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("-+.,e a"))
        EXPECT_FALSE(AcceptsFieldCharacter(c)) << int(c.unicode());
}

TEST(CameraFields, ReadTheLeadingNumber)
{
    EXPECT_EQ(LeadingNumber(u""), 0.0);
    EXPECT_EQ(LeadingNumber(u"abc"), 0.0);
    EXPECT_EQ(LeadingNumber(u"12abc"), 12.0);
    EXPECT_EQ(LeadingNumber(u" 7"), 7.0);
    EXPECT_EQ(LeadingNumber(u"-45"), -45.0);
    EXPECT_EQ(LeadingNumber(u"1.5x"), 1.5);
    EXPECT_EQ(LeadingNumber(u"-"), 0.0);
}

TEST(CameraFields, MoveTheSliderWhileTypingOnlyInsideTheRange)
{
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Angle, u""), 0); // emptied angle: 0 at once
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u""), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"1"), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"15"), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"150"), 150);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"1500"), 1500);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"5000"), std::nullopt);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"49.5"), 50); // ties to even
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"50.5"), 50);
    EXPECT_EQ(FieldValueWhileTyping(CameraRow::Distance, u"99999999999999999999"), std::nullopt);
}

TEST(CameraFields, ClampWhenLeft)
{
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u""), 50);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u"5000"), 4000);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u"20"), 50);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Distance, u"99999999999999999999"), 4000);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::FieldOfView, u"91"), 90);
    EXPECT_EQ(FieldValueOnLeave(CameraRow::Angle, u"-200"), -90);
}

struct DragCase {
    const char* name;
    DragButton button;
    QPointF to;
    int startValue; // of the row the drag changes
    CameraRow row;
    int expected;
};

class ViewDragTest : public testing::TestWithParam<DragCase> {};

TEST_P(ViewDragTest, ChangesOneSliderPerMove)
{
    const DragCase& c = GetParam();
    DesignerCamera camera;
    camera.SetSliderValue(c.row, c.startValue);
    const DesignerCamera before = camera;
    ViewDrag drag;
    drag.Press(c.button, QPointF(100, 100));
    Apply(camera, drag.Move(QPointF(100, 100) + c.to, camera));
    EXPECT_EQ(camera.SliderValue(c.row), c.expected);
    for (CameraRow other : kCameraRows) {
        if (other != c.row) {
            EXPECT_EQ(camera.SliderValue(other), before.SliderValue(other));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewDragTest,
    testing::Values(
        DragCase{"RightTurnsOneDegreePerThreePixels", DragButton::Left, {30, 10}, 31, CameraRow::Angle, 41},
        DragCase{"DownRaisesTheEye", DragButton::Left, {10, 30}, 752, CameraRow::Height, 852},
        DragCase{"TurnStopsAtNinety", DragButton::Left, {60, 0}, 85, CameraRow::Angle, 90},
        DragCase{"TurnStopsAtMinusNinety", DragButton::Left, {-60, 0}, -85, CameraRow::Angle, -90},
        DragCase{"EyeStopsAtTheSliderMinimum", DragButton::Left, {0, -900}, 100, CameraRow::Height, 30},
        DragCase{"RightButtonDownMovesAway", DragButton::Right, {0, 30}, 1500, CameraRow::Distance, 1600},
        DragCase{"RightButtonLeftwardsComesNearer", DragButton::Right, {-30, 3}, 1500, CameraRow::Distance, 1400},
        DragCase{"ZoomStopsAtTheSliderMinimum", DragButton::Right, {0, -3000}, 100, CameraRow::Distance, 50},
        DragCase{"SmallMovesChangeNothing", DragButton::Left, {1.4, 1.4}, 752, CameraRow::Height, 752},
        DragCase{"OtherButtonsDoNothing", DragButton::Other, {30, 30}, 752, CameraRow::Height, 752}),
    [](const testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST(ViewDrag, RoundsEachMoveSoSlowDragsDoNothing)
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
}

TEST(ViewDrag, StopsAtReleaseAndShowsTheMagnifierWhileZooming)
{
    DesignerCamera camera;
    ViewDrag drag;
    drag.Press(DragButton::Right, QPointF(0, 0));
    EXPECT_TRUE(drag.MagnifierShown());
    EXPECT_TRUE(drag.ZoomDrag());
    drag.Release(DragButton::Left); // any release brings the rotate pointer back
    EXPECT_FALSE(drag.MagnifierShown());
    EXPECT_TRUE(drag.ZoomDrag());
    drag.Release(DragButton::Right);
    EXPECT_TRUE(drag.Move(QPointF(90, 90), camera).empty());
}

} // namespace
} // namespace quorvane
