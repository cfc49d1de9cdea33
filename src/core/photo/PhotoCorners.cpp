#include "core/photo/PhotoCorners.h"

#include <algorithm>
#include <cmath>

#include <opencv2/imgproc.hpp>

#include "core/photo/CornerOrder.h"
#include "core/photo/EdgeLines.h"
#include "core/photo/PaperRegion.h"

namespace quorvane {

namespace {

// How far, in reduced pixels, the silhouette's corners may lie from the paper's: the
// threshold's crossing beside a blurred edge and the polygon's tolerance.
constexpr double kCoarseReach = 4.0;
constexpr double kMinSearchHalf = 8.0;

// The photo's grey levels, and an 8-bit view of them for OpenCV (no copy).
struct GrayPhoto {
    QImage image;
    cv::Mat pixels;
};

GrayPhoto GrayOf(const QImage& photo)
{
    GrayPhoto gray{photo.convertToFormat(QImage::Format_Grayscale8), {}};
    gray.pixels = cv::Mat(gray.image.height(), gray.image.width(), CV_8UC1, gray.image.bits(),
                          size_t(gray.image.bytesPerLine()));
    return gray;
}

} // namespace

CornerSearch FindPaperCorners(const QImage& photo, PaperLayout layout)
{
    if (photo.isNull() || layout == PaperLayout::None)
        return {std::nullopt, kMessageNoPaper};
    const GrayPhoto gray = GrayOf(photo);
    const double scale = std::max(1.0, double(std::max(photo.width(), photo.height())) / kSearchSide);
    cv::Mat reduced = gray.pixels;
    if (scale > 1.0) {
        const cv::Size size(std::max(1, int(std::lround(photo.width() / scale))),
                            std::max(1, int(std::lround(photo.height() / scale))));
        cv::resize(gray.pixels, reduced, size, 0.0, 0.0, cv::INTER_AREA);
    }
    RegionSearch region = FindPaperRegion(reduced, layout);
    if (region.polygon.empty())
        return {std::nullopt, region.message};
    const double sx = double(photo.width()) / reduced.cols;
    const double sy = double(photo.height()) / reduced.rows;
    for (QPointF& p : region.polygon)
        p = QPointF(p.x() * sx, p.y() * sy);
    const std::optional<PhotoPoints> coarse = NumberCorners(region.polygon, layout);
    if (!coarse)
        return {std::nullopt, kMessageNoPaper};
    const double searchHalf = std::max(kMinSearchHalf, kCoarseReach * scale + 4.0);
    const std::optional<PhotoPoints> corners = RefineCorners(gray.pixels, *coarse, layout, searchHalf);
    if (!corners)
        return {std::nullopt, kMessageNoPaper};
    return {corners, {}};
}

} // namespace quorvane
