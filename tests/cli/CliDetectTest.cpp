// quorvane-cli detect on photos drawn here: the corners and the camera as JSON, in the photo
// as its EXIF orientation shows it, or the reason there is no paper.
#include <gtest/gtest.h>

#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTransform>

#include "support/PaperPhoto.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

// The photo stored on its side with an EXIF orientation that turns it back upright.
QString SaveTurned(const QImage& photo, const QString& path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    writer.write(photo.transformed(QTransform().rotate(-90)));
    return path;
}

} // namespace

TEST(CliDetect, PrintsTheCornersAndCameraOfAPhotoTurnedUprightByItsExif)
{
    QTemporaryDir dir;
    const test::PhotoPose pose{80, 60, 20, 30, 0, 0};
    const test::PaperPhoto photo = test::DrawPaperPhoto(PaperLayout::Flat, pose, {}, QSize(1500, 1000));
    const ProgramRun run = RunCli({"detect", SaveTurned(photo.image, dir.filePath("paper.jpg")), "--style", "4.1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QJsonArray corners = json["corners"].toArray();
    ASSERT_EQ(corners.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const QPointF found(corners[i].toArray()[0].toDouble(), corners[i].toArray()[1].toDouble());
        const QPointF miss = found - photo.corners[size_t(i)];
        EXPECT_LT(std::hypot(miss.x(), miss.y()), 1.0) << "corner " << i;
    }
    const QJsonObject camera = json["camera"].toObject();
    EXPECT_NEAR(camera["distance"].toDouble(), pose.distance, 0.02 * pose.distance);
    EXPECT_NEAR(camera["height"].toDouble(), pose.height, 0.02 * pose.height);
    EXPECT_NEAR(camera["angle"].toDouble(), pose.angle, 0.5);
    EXPECT_NEAR(camera["fov"].toDouble(), pose.fov, 0.5);
    EXPECT_LT(json["error"].toDouble(), 1.0);
}

TEST(CliDetect, APhotoWithoutPaperExitsWithTheReason)
{
    QTemporaryDir dir;
    test::PhotoLook floorAlone;
    floorAlone.paper = false;
    const QString path = dir.filePath("floor.png");
    test::DrawPaperPhoto(PaperLayout::LFold, {}, floorAlone, QSize(900, 600)).image.save(path);
    const ProgramRun run = RunCli({"detect", path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(kMessageNoPaper.toUtf8())) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}
