// What the camera sees of a generated page against what it should see: a picture of red
// dots over the paper is generated, the page rendered printed on the paper (simulate) and
// the picture drawn over the paper in the same view (--composite); each dot's centre is
// compared between the two.
#include <gtest/gtest.h>

#include <iostream>

#include <QImage>
#include <QTemporaryDir>

#include "support/RedDots.h"
#include "support/RunProgram.h"

namespace {

constexpr QSize kCanvas(853, 480);
constexpr int kSpacing = 64;   // canvas pixels between dots
constexpr double kRadius = 5.0; // canvas pixels

QString DrawDots(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("dots.png"));
    DotsPicture(kCanvas, kSpacing, kRadius).save(path);
    return path;
}

struct Case {
    const char* style;
    QStringList camera;
    QStringList mapping; // generate's options for the mapping
    double lowestMax;   // the largest displacement lies in [lowestMax, highestMax] view pixels
    double highestMax;
};

const QStringList kSteep{"--height", "10.6", "--distance", "42.35", "--fov", "40"}; // 15 and 60 scene units
const QStringList kExact{"--mapping=exact"};

TEST(CameraView, DotsLandWhereThePictureWasPlaced)
{
    const std::vector<Case> cases{
        // The four-corner mapping, measured at 8, 18, 17 and 20 pixels.
        {"6", {}, {}, 4.0, 14.0},
        {"4.1", {}, {}, 9.0, 27.0},
        {"4.2", {}, {}, 8.0, 25.0},
        {"6", kSteep, {}, 10.0, 30.0},
        // The projective mapping puts every dot within a pixel and a half of its place.
        {"6", {}, kExact, 0.0, 1.5},
        {"4.1", {}, kExact, 0.0, 1.5},
        {"4.2", {}, kExact, 0.0, 1.5},
        {"6", kSteep, kExact, 0.0, 1.5},
    };
    QTemporaryDir dir;
    const QString dots = DrawDots(dir);
    for (const Case& c : cases) {
        const QString label = QStringLiteral("style %1 %2 %3").arg(c.style, c.camera.join(' '), c.mapping.join(' '));
        SCOPED_TRACE(label.toStdString());
        const QStringList view = QStringList{"--view", "800x600", "--style", c.style} + c.camera;
        const QString page = dir.filePath("page.png"), composite = dir.filePath("composite.png");
        const QString seen = dir.filePath("view.png");
        const ProgramRun made = RunCli(QStringList{"generate", "-o", page, "--composite", composite, "--picture",
                                                   dots, "--placement", "0,0,853,480"} + view + c.mapping);
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        const ProgramRun simulated = RunCli(QStringList{"simulate", page, "-o", seen} + view);
        ASSERT_EQ(simulated.exitCode, 0) << simulated.err.toStdString();

        const Displacement d = Measure(QImage(composite), QImage(seen));
        std::cout << label.toStdString() << ": " << d.dots << " dots, displacement max " << d.max << " view px\n";
        EXPECT_GT(d.dots, 20);
        EXPECT_GE(d.max, c.lowestMax);
        EXPECT_LE(d.max, c.highestMax);
    }
}

} // namespace
