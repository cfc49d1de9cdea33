// What the camera sees of a generated page against what it should see: a picture of red
// dots over the paper is generated, the page rendered printed on the paper (simulate) and
// the picture drawn over the paper in the same view (--composite); each dot's centre is
// compared between the two.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "support/RunProgram.h"

namespace {

constexpr QSize kCanvas(853, 480);
constexpr int kSpacing = 64;   // canvas pixels between dots
constexpr double kRadius = 5.0; // canvas pixels

QString DrawDots(const QTemporaryDir& dir)
{
    QImage picture(kCanvas, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    for (int y = kSpacing / 2; y < kCanvas.height(); y += kSpacing)
        for (int x = kSpacing / 2; x < kCanvas.width(); x += kSpacing)
            painter.drawEllipse(QPointF(x, y), kRadius, kRadius);
    painter.end();
    const QString path = dir.filePath(QStringLiteral("dots.png"));
    picture.save(path);
    return path;
}

int Redness(QRgb pixel)
{
    return qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel));
}

// Centres of the red blobs (red above both other channels by more than 60, 8-connected),
// weighted by that excess.
std::vector<QPointF> RedDots(const QImage& image)
{
    const int w = image.width();
    std::vector<char> seen(size_t(w) * size_t(image.height()), 0);
    std::vector<QPointF> dots;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[size_t(y0) * w + x0] || Redness(image.pixel(x0, y0)) <= 60)
                continue;
            double sum = 0.0, sx = 0.0, sy = 0.0;
            std::vector<QPoint> stack{{x0, y0}};
            seen[size_t(y0) * w + x0] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                const double weight = Redness(image.pixel(p));
                sum += weight, sx += weight * (p.x() + 0.5), sy += weight * (p.y() + 0.5);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (!image.rect().contains(q) || seen[size_t(q.y()) * w + q.x()]
                            || Redness(image.pixel(q)) <= 60)
                            continue;
                        seen[size_t(q.y()) * w + q.x()] = 1;
                        stack.push_back(q);
                    }
            }
            dots.emplace_back(sx / sum, sy / sum);
        }
    }
    return dots;
}

// Whether a grey line pixel (the outline or the fold) lies within `reach` of the point.
bool NearLine(const QImage& image, QPointF at, int reach)
{
    for (int y = int(at.y()) - reach; y <= int(at.y()) + reach; ++y)
        for (int x = int(at.x()) - reach; x <= int(at.x()) + reach; ++x) {
            if (!image.rect().contains(x, y))
                return true;
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 200 && std::abs(qRed(p) - qGreen(p)) < 25 && std::abs(qGreen(p) - qBlue(p)) < 25)
                return true;
        }
    return false;
}

struct Displacement {
    double max = 0.0;
    int dots = 0;
};

// Each dot of the composite that lies wholly inside a sheet, against the nearest dot of the view.
Displacement Measure(const QImage& composite, const QImage& view)
{
    const std::vector<QPointF> seen = RedDots(view);
    Displacement d;
    for (const QPointF& expected : RedDots(composite)) {
        if (NearLine(composite, expected, 10))
            continue;
        double nearest = 1e9;
        for (const QPointF& p : seen)
            nearest = std::min(nearest, std::hypot(p.x() - expected.x(), p.y() - expected.y()));
        d.max = std::max(d.max, nearest);
        ++d.dots;
    }
    return d;
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
