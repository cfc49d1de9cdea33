// quorvane-cli corners, run as a program.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPolygon>

#include "support/RunProgram.h"

namespace {

ProgramRun Corners(const QStringList& options, bool withDisplay = true)
{
    return RunCli(QStringList{"corners"} + options,
                  EnvironmentWith(withDisplay ? QStringList() : QStringList{"DISPLAY", "QT_QPA_PLATFORM=offscreen"}));
}

QPolygon PointsOf(const QJsonObject& json)
{
    QPolygon points;
    for (const QJsonValue& p : json["PaperPoint"].toArray())
        points.append(QPoint(p.toArray()[0].toInt(), p.toArray()[1].toInt()));
    return points;
}

TEST(CornersCommand, PrintsTheOutlineShiftedToZeroWithItsExtents)
{
    const ProgramRun run = Corners({});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["PageStyle"].toDouble(), 6.0);
    const QPolygon points = PointsOf(json);
    ASSERT_EQ(points.size(), 6);
    const QRect bounds = points.boundingRect();
    EXPECT_EQ(bounds.topLeft(), QPoint(0, 0));
    EXPECT_EQ(json["PaperWidth"].toInt(), bounds.right());
    EXPECT_EQ(json["PaperHeight"].toInt(), bounds.bottom());
}

TEST(CornersCommand, FindsTheSameOutlineWithoutADisplay)
{
    const QStringList options{"--style", "4.2", "--angle=-40", "--view", "640x400"};
    const ProgramRun withX = Corners(options);
    const ProgramRun withoutX = Corners(options, false);
    ASSERT_EQ(withX.exitCode, 0) << withX.err.toStdString();
    ASSERT_EQ(withoutX.exitCode, 0) << withoutX.err.toStdString();
    EXPECT_EQ(withX.out, withoutX.out);
    const QPolygon points = PointsOf(QJsonDocument::fromJson(withX.out).object());
    ASSERT_EQ(points.size(), 6);
    EXPECT_EQ(points[3], points[2]);
    EXPECT_EQ(points[4], points[5]);
}

TEST(CornersCommand, FailsWithTheDesignersMessage)
{
    const ProgramRun hidden = Corners({"--distance", "5"});
    EXPECT_EQ(hidden.exitCode, 2);
    EXPECT_TRUE(hidden.err.contains("Please make sure that all parts of the paper are visible.\n"));
    EXPECT_TRUE(hidden.out.isEmpty());
    const ProgramRun flat = Corners({"--style", "4.1", "--height", "9.9", "--angle", "0"});
    EXPECT_EQ(flat.exitCode, 2);
    EXPECT_TRUE(flat.err.contains("The paper area is too small.\n"));
    EXPECT_EQ(Corners({"--style", "4.1", "--height", "10", "--angle", "0"}).exitCode, 0);
}

TEST(CornersCommand, RefusesBadOptionsAsUsageErrors)
{
    for (const QStringList& options :
         {QStringList{"--angle=-91"}, QStringList{"--style", "5"}, QStringList{"--fov", "abc"},
          QStringList{"--view", "0x10"}, QStringList{"--distance", "400.1"}, QStringList{"--canvas", "10x10"},
          QStringList{"extra"}}) {
        const ProgramRun run = Corners(options);
        EXPECT_EQ(run.exitCode, 1) << options.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:")) << options.join(' ').toStdString();
    }
    // Values are rounded to the sliders' steps before the range check.
    EXPECT_EQ(Corners({"--distance", "400.04", "--fov", "89.6"}).exitCode, 0);
}

} // namespace
