#pragma once

// Photos of a laid-out paper drawn by the tests themselves: a sheet in one of the layouts
// on a wooden floor, seen by a pinhole camera, under uneven light, blurred, noisy and
// JPEG-compressed, with the corners' true places known.

#include <cmath>
#include <cstdint>
#include <vector>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <opencv2/imgproc.hpp>

#include "core/designer/PaperScene.h"
#include "core/photo/PhotoCorners.h"

namespace quorvane::test {

// Where the camera stands, in the designer's terms (real cm, degrees), and how it is held.
struct PhotoPose {
    double distance = 100.0;
    double height = 60.0;
    double angle = 0.0;
    double fov = 30.0;
    double lookRight = 0.0; // cm the camera looks right of the designer's aim point
    double roll = 0.0;      // degrees the camera is turned about its axis
};

struct PhotoLook {
    double light = 0.3;   // how much darker the darkest corner of the photo is lit
    double blur = 1.0;    // Gaussian sigma, pixels
    double noise = 3.0;   // grey levels
    int jpeg = 85;        // quality; 0 keeps the photo uncompressed
    bool paper = true;    // false: the floor alone
    double secondSheetX = 0.0; // cm: another flat sheet lies this far to the side
};

struct PaperPhoto {
    QImage image;
    PhotoPoints corners; // true places, pixel centres at .5
};

struct Vec3 {
    double x, y, z;
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    double Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 Cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    Vec3 Unit() const { return *this * (1.0 / std::sqrt(Dot(*this))); }
};

// The real paper's sheets (cm), as the designer's scene lays them out.
inline SheetSize RealSheets(PaperLayout layout)
{
    switch (layout) {
    case PaperLayout::LFold:
        return {21.0, 14.85, 14.85};
    case PaperLayout::Flat:
        return {21.0, 0.0, 29.7};
    default:
        return {29.7, 21.0, 0.0};
    }
}

// A pinhole camera on the paper's own axes (the designer turns the paper; here the eye goes round).
struct PhotoCameraModel {
    Vec3 eye, right, down, forward;
    double focal, cx, cy;

    PhotoCameraModel(const PhotoPose& pose, const SheetSize& sheets, QSize size)
    {
        const double a = pose.angle * M_PI / 180.0;
        eye = {-pose.distance * std::sin(a), pose.height, pose.distance * std::cos(a)};
        const Vec3 towards = Vec3{std::cos(a), 0.0, std::sin(a)} * pose.lookRight;
        forward = (Vec3{0.0, 0.43 * sheets.SheetHeight, 0.0} + towards - eye).Unit();
        const Vec3 level = forward.Cross({0.0, 1.0, 0.0}).Unit();
        const Vec3 levelDown = forward.Cross(level);
        const double r = pose.roll * M_PI / 180.0;
        right = level * std::cos(r) + levelDown * std::sin(r);
        down = levelDown * std::cos(r) - level * std::sin(r);
        focal = size.height() / 2.0 / std::tan(pose.fov * M_PI / 360.0);
        cx = size.width() / 2.0;
        cy = size.height() / 2.0;
    }
    QPointF Project(const Vec3& p) const
    {
        const Vec3 v = p - eye;
        const double z = v.Dot(forward);
        return {cx + focal * v.Dot(right) / z, cy + focal * v.Dot(down) / z};
    }
    Vec3 Ray(double u, double v) const { return forward + right * ((u - cx) / focal) + down * ((v - cy) / focal); }
};

// Wooden planks 9 cm wide along z, with grain and dark joints; a dull wall beyond the floor.
inline QRgb FloorColour(const PhotoCameraModel& camera, double u, double v)
{
    const Vec3 ray = camera.Ray(u, v);
    if (ray.y >= -1e-6)
        return qRgb(90, 90, 95);
    const Vec3 p = camera.eye + ray * (-camera.eye.y / ray.y);
    const double plank = std::floor(p.x / 9.0);
    const double joint = p.x / 9.0 - plank;
    const double tone = std::fmod(std::abs(plank) * 0.37, 1.0);
    const double grain = 0.5 + 0.5 * std::sin(p.z * 0.9 + 3.0 * std::sin(p.x * 0.35 + plank) + plank * 1.7);
    double albedo = 0.28 + 0.1 * grain + 0.08 * tone;
    if (joint < 0.03 || joint > 0.97)
        albedo = 0.12;
    return qRgb(int(255 * albedo * 1.1), int(255 * albedo * 0.8), int(255 * albedo * 0.55));
}

inline void FillPolygon(QPainter& painter, const PhotoCameraModel& camera, const SheetSize& sheets,
                        std::initializer_list<int> corners, const Vec3& shift, QColor colour)
{
    QPolygonF polygon;
    for (int c : corners) {
        const ScenePoint p = CornerPosition(c, sheets);
        polygon << camera.Project(Vec3{p.x, p.y, p.z} + shift);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(polygon);
}

inline void DrawSheets(QImage& image, const PhotoCameraModel& camera, PaperLayout layout, const PhotoLook& look)
{
    const SheetSize sheets = RealSheets(layout);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (look.secondSheetX != 0.0)
        FillPolygon(painter, camera, RealSheets(PaperLayout::Flat), {5, 2, 3, 4}, {look.secondSheetX, 0, 0}, QColor(228, 228, 222));
    if (!look.paper)
        return;
    if (layout != PaperLayout::Upright)
        FillPolygon(painter, camera, sheets, {5, 2, 3, 4}, {}, QColor(232, 232, 226));
    if (layout != PaperLayout::Flat)
        FillPolygon(painter, camera, sheets, {0, 1, 2, 5}, {}, QColor(205, 205, 200));
}

// Light falling off towards the bottom right, blur, noise and JPEG, in that order.
inline void Expose(QImage& image, const PhotoLook& look, uint32_t seed)
{
    cv::Mat pixels(image.height(), image.width(), CV_8UC3, image.bits(), size_t(image.bytesPerLine()));
    cv::Mat gain(pixels.size(), CV_32FC3);
    for (int y = 0; y < gain.rows; ++y) {
        for (int x = 0; x < gain.cols; ++x) {
            const float g = float(1.0 - look.light * (0.6 * x / gain.cols + 0.4 * y / gain.rows));
            gain.at<cv::Vec3f>(y, x) = {g, g, g};
        }
    }
    cv::Mat lit;
    cv::multiply(pixels, gain, lit, 1.0, CV_8UC3);
    cv::GaussianBlur(lit, lit, cv::Size(0, 0), look.blur);
    cv::Mat noise(pixels.size(), CV_16SC3);
    cv::RNG rng(seed);
    rng.fill(noise, cv::RNG::NORMAL, 0.0, look.noise);
    cv::add(lit, noise, pixels, cv::noArray(), CV_8UC3);
    if (look.jpeg <= 0)
        return;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", look.jpeg);
    image = QImage::fromData(buffer.data(), "JPG").convertToFormat(QImage::Format_RGB888);
}

inline PaperPhoto DrawPaperPhoto(PaperLayout layout, const PhotoPose& pose, const PhotoLook& look = {},
                                 QSize size = QSize(3000, 2000), uint32_t seed = 1)
{
    const SheetSize sheets = RealSheets(layout);
    const PhotoCameraModel camera(pose, sheets, size);
    PaperPhoto photo{QImage(size, QImage::Format_RGB888), {}};
    for (int y = 0; y < size.height(); ++y) {
        uchar* row = photo.image.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = FloorColour(camera, x + 0.5, y + 0.5);
            row[3 * x] = uchar(qRed(c));
            row[3 * x + 1] = uchar(qGreen(c));
            row[3 * x + 2] = uchar(qBlue(c));
        }
    }
    DrawSheets(photo.image, camera, layout, look);
    Expose(photo.image, look, seed);
    const SheetSize shown = sheets;
    for (int c = 0; c < 6; ++c) {
        const ScenePoint p = CornerPosition(c, shown);
        photo.corners[size_t(c)] = camera.Project({p.x, p.y, p.z});
    }
    return photo;
}

} // namespace quorvane::test
