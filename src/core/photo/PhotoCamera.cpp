#include "core/photo/PhotoCamera.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include <opencv2/calib3d.hpp>
#include <opencv2/imgproc.hpp>

#include "core/designer/PaperScene.h"

namespace quorvane {

namespace {

constexpr double kFallbackFieldOfView = 30.0; // degrees, when the sheet's shape gives none
constexpr double kMinSheetArea = 16.0;        // square pixels a sheet must cover in the photo

double Degrees(double radians)
{
    return radians * 180.0 / M_PI;
}

// The paper as laid out, in real centimetres, placed as the designer's scene places it.
SheetSize RealSheetSize(const Paper& paper)
{
    const QSizeF mm = paper.PageSizeMm();
    const double width = mm.width() / 10.0;
    const double length = mm.height() / 10.0;
    switch (paper.Layout) {
    case PaperLayout::LFold:
        return {width, length / 2.0, length / 2.0};
    case PaperLayout::Flat:
        return {width, 0.0, length};
    case PaperLayout::Upright:
        return {width, length, 0.0};
    case PaperLayout::None:
        break;
    }
    return {};
}

// The corners of one sheet in its own plane (cm) and in the photo, centred on its middle.
struct SheetView {
    std::vector<cv::Point2f> plane;
    std::vector<cv::Point2f> photo;
};

// The sheet a first focal length is read from: the lying one, or the upright one alone.
SheetView MainSheet(const PhotoPoints& corners, const Paper& paper, QSize photoSize)
{
    const SheetSize size = RealSheetSize(paper);
    const bool upright = paper.Layout == PaperLayout::Upright;
    const std::vector<int> sheet = upright ? std::vector<int>{0, 1, 2, 5} : std::vector<int>{5, 2, 3, 4};
    SheetView view;
    for (int corner : sheet) {
        const ScenePoint p = CornerPosition(corner, size);
        view.plane.emplace_back(float(p.x), float(upright ? p.y : p.z));
        const QPointF q = corners[size_t(corner)] - QPointF(photoSize.width(), photoSize.height()) / 2.0;
        view.photo.emplace_back(float(q.x()), float(q.y()));
    }
    return view;
}

// A sheet seen as a convex quadrilateral of some area: anything else no camera in front of
// it could see, and the solvers must not be given.
bool SeenAsSheet(const std::vector<cv::Point2f>& quad)
{
    return cv::isContourConvex(quad) && cv::contourArea(quad) >= kMinSheetArea;
}

// Whether every sheet of the layout is seen as a sheet.
bool SheetsSeen(const PhotoPoints& corners, PaperLayout layout)
{
    const auto seen = [&](std::initializer_list<int> sheet) {
        std::vector<cv::Point2f> quad;
        for (int corner : sheet)
            quad.emplace_back(float(corners[size_t(corner)].x()), float(corners[size_t(corner)].y()));
        return SeenAsSheet(quad);
    };
    const bool standing = layout == PaperLayout::Flat || seen({0, 1, 2, 5});
    const bool lying = layout == PaperLayout::Upright || seen({5, 2, 3, 4});
    return layout != PaperLayout::None && standing && lying;
}

// The focal length (pixels) for which the sheet's homography keeps its sides square and
// equally scaled, by least squares over the two conditions; no value when none is positive.
std::optional<double> FocalFromSheet(const SheetView& sheet)
{
    const cv::Mat h = cv::getPerspectiveTransform(sheet.plane, sheet.photo);
    const auto H = [&](int r, int c) { return h.at<double>(r, c); };
    const double a1 = H(0, 0) * H(0, 1) + H(1, 0) * H(1, 1);
    const double b1 = H(2, 0) * H(2, 1);
    const double a2 = H(0, 0) * H(0, 0) + H(1, 0) * H(1, 0) - H(0, 1) * H(0, 1) - H(1, 1) * H(1, 1);
    const double b2 = H(2, 0) * H(2, 0) - H(2, 1) * H(2, 1);
    const double inverseSquare = -(a1 * b1 + a2 * b2) / (a1 * a1 + a2 * a2);
    if (!std::isfinite(inverseSquare) || inverseSquare <= 0.0)
        return std::nullopt;
    return 1.0 / std::sqrt(inverseSquare);
}

struct Pose {
    cv::Mat intrinsics;
    cv::Mat rotation; // Rodrigues vector
    cv::Mat translation;
};

// Focal length and pose by least squares over every corner, from the first focal length.
Pose SolvePose(const std::vector<cv::Point3f>& object, const std::vector<cv::Point2f>& image, QSize size, double focal)
{
    // OpenCV puts pixel centres at whole numbers, so the photo's centre lies half a pixel lower.
    Pose pose;
    pose.intrinsics = (cv::Mat_<double>(3, 3) << focal, 0.0, size.width() / 2.0 - 0.5, 0.0, focal,
                       size.height() / 2.0 - 0.5, 0.0, 0.0, 1.0);
    cv::Mat distortion = cv::Mat::zeros(5, 1, CV_64F);
    std::vector<cv::Mat> rotations;
    std::vector<cv::Mat> translations;
    const int flags = cv::CALIB_USE_INTRINSIC_GUESS | cv::CALIB_FIX_PRINCIPAL_POINT | cv::CALIB_FIX_ASPECT_RATIO
                      | cv::CALIB_ZERO_TANGENT_DIST | cv::CALIB_FIX_K1 | cv::CALIB_FIX_K2 | cv::CALIB_FIX_K3;
    const std::vector<std::vector<cv::Point3f>> objects{object};
    const std::vector<std::vector<cv::Point2f>> images{image};
    cv::calibrateCamera(objects, images, cv::Size(size.width(), size.height()),
                        pose.intrinsics, distortion, rotations, translations, flags,
                        cv::TermCriteria(cv::TermCriteria::COUNT | cv::TermCriteria::EPS, 200, 1e-12));
    pose.rotation = rotations.front();
    pose.translation = translations.front();
    return pose;
}

double LargestError(const std::vector<cv::Point3f>& object, const std::vector<cv::Point2f>& image, const Pose& pose)
{
    std::vector<cv::Point2f> seen;
    cv::projectPoints(object, pose.rotation, pose.translation, pose.intrinsics, cv::noArray(), seen);
    double largest = 0.0;
    for (size_t i = 0; i < seen.size(); ++i)
        largest = std::max(largest, double(cv::norm(seen[i] - image[i])));
    return largest;
}

// The designer's values of the eye at `eye` on the paper's own axes.
PhotoCamera FromEye(const cv::Vec3d& eye, double focal, QSize size)
{
    PhotoCamera camera;
    camera.DistanceCm = std::hypot(eye[0], eye[2]);
    camera.HeightCm = eye[1];
    // The designer turns the paper, not the eye: a paper turned by a sees the eye at -a.
    camera.Angle = Degrees(std::atan2(-eye[0], eye[2]));
    camera.FieldOfView = Degrees(2.0 * std::atan(size.height() / 2.0 / focal));
    return camera;
}

} // namespace

std::optional<PhotoCamera> CameraFromCorners(const PhotoPoints& corners, QSize photoSize, const Paper& paper)
{
    if (photoSize.isEmpty() || !SheetsSeen(corners, paper.Layout))
        return std::nullopt;
    const SheetView sheet = MainSheet(corners, paper, photoSize);
    const SheetSize size = RealSheetSize(paper);
    std::vector<cv::Point3f> object;
    std::vector<cv::Point2f> image;
    for (int corner = 0; corner < 6; ++corner) {
        if (!MarkerDrawn(corner, paper.Layout))
            continue;
        const ScenePoint p = CornerPosition(corner, size);
        object.emplace_back(float(p.x), float(p.y), float(p.z));
        image.emplace_back(float(corners[size_t(corner)].x() - 0.5), float(corners[size_t(corner)].y() - 0.5));
    }
    const double fallback = photoSize.height() / 2.0 / std::tan(kFallbackFieldOfView * M_PI / 360.0);
    const Pose pose = SolvePose(object, image, photoSize, FocalFromSheet(sheet).value_or(fallback));
    cv::Mat rotation;
    cv::Rodrigues(pose.rotation, rotation);
    const cv::Mat eye = -rotation.t() * pose.translation;
    const double focal = pose.intrinsics.at<double>(0, 0);
    if (!(focal > 0.0) || pose.translation.at<double>(2) <= 0.0)
        return std::nullopt;
    PhotoCamera camera = FromEye(cv::Vec3d(eye.at<double>(0), eye.at<double>(1), eye.at<double>(2)), focal, photoSize);
    camera.Error = LargestError(object, image, pose);
    return camera;
}

double CmPerSceneUnit(const Paper& paper)
{
    // The scene's L-folded paper is as wide as the format's short side; a grid of sheets
    // is the same scale.
    const QSizeF mm = Paper{paper.Format, PaperLayout::LFold}.PageSizeMm();
    const double shortSide = Paper{paper.Format, PaperLayout::LFold}.SceneSize().SheetWidth;
    return std::min(mm.width(), mm.height()) / 10.0 / shortSide;
}

CameraValues DesignerCamera(const PhotoCamera& camera, const Paper& paper)
{
    const double units = 1.0 / CmPerSceneUnit(paper);
    return {camera.DistanceCm * units, camera.HeightCm * units, camera.Angle, camera.FieldOfView};
}

} // namespace quorvane
