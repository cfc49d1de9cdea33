#include "core/photo/PaperRegion.h"

#include <algorithm>
#include <cmath>

#include <opencv2/imgproc.hpp>

#include "core/photo/PhotoCorners.h"

namespace quorvane {

namespace {

constexpr double kMinAreaShare = 0.005;   // of the photo: smaller bright spots are no paper
constexpr double kSecondSheetShare = 0.3; // of the paper's area: a second sheet, not a spot
constexpr double kFitTolerance = 0.04;    // the polygon's area off the region's, as a share
constexpr int kEdgeMargin = 2;            // pixels: a region this near the edge is cut off
constexpr double kMinContrast = 40.0;     // grey levels between a sheet and the ground around it
constexpr int kRingWidth = 9;             // pixels of ground around a region its contrast is taken on
constexpr size_t kMostRegions = 8;        // the largest regions looked at; the rest are spots
// Thresholds tried around Otsu's, in grey levels: uneven light may push the paper's far
// end below it or a bright table above it.
constexpr int kThresholdSteps[] = {0, -12, -24, 12};

using Contour = std::vector<cv::Point>;

struct Region {
    Contour contour;
    double area = 0.0;
    std::vector<QPointF> polygon; // empty when no polygon of the paper's shape fits
};

// Whether the region is brighter than a ring of ground around it by kMinContrast: a sheet on
// a table is; a lighter plank of the table among darker ones is not.
bool StandsOut(const cv::Mat& smooth, const Contour& contour)
{
    cv::Mat inside = cv::Mat::zeros(smooth.size(), CV_8U);
    cv::drawContours(inside, std::vector<Contour>{contour}, 0, cv::Scalar(255), cv::FILLED);
    cv::Mat ring;
    cv::dilate(inside, ring, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * kRingWidth + 1, 2 * kRingWidth + 1)));
    ring -= inside;
    if (cv::countNonZero(ring) == 0)
        return false;
    return cv::mean(smooth, inside)[0] - cv::mean(smooth, ring)[0] >= kMinContrast;
}

// The polygon of `corners` vertices that approxPolyDP makes from the contour at some
// tolerance, found by bisecting the tolerance; empty when no tolerance gives that count.
std::vector<cv::Point> PolygonOf(const Contour& contour, size_t corners)
{
    double low = 0.5;
    double high = 0.25 * cv::arcLength(contour, true);
    std::vector<cv::Point> polygon;
    for (int step = 0; step < 40 && high - low > 0.01; ++step) {
        const double tolerance = (low + high) / 2.0;
        cv::approxPolyDP(contour, polygon, tolerance, true);
        if (polygon.size() == corners)
            return polygon;
        (polygon.size() > corners ? low : high) = tolerance;
    }
    return {};
}

std::vector<QPointF> FittedPolygon(const Region& region, size_t corners)
{
    const std::vector<cv::Point> polygon = PolygonOf(region.contour, corners);
    if (polygon.empty())
        return {};
    const double area = cv::contourArea(polygon);
    if (std::abs(area - region.area) > kFitTolerance * area)
        return {};
    std::vector<QPointF> points;
    for (const cv::Point& p : polygon)
        points.emplace_back(p.x + 0.5, p.y + 0.5);
    return points;
}

std::vector<QPointF> PaperPolygon(const Region& region, PaperLayout layout)
{
    if (layout != PaperLayout::LFold)
        return FittedPolygon(region, 4);
    std::vector<QPointF> polygon = FittedPolygon(region, 6);
    return polygon.empty() ? FittedPolygon(region, 5) : polygon;
}

// The bright regions above `threshold` that stand out from the ground, largest first,
// small ones left out.
std::vector<Region> BrightRegions(const cv::Mat& smooth, double threshold, PaperLayout layout)
{
    cv::Mat mask;
    cv::threshold(smooth, mask, threshold, 255, cv::THRESH_BINARY);
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(5, 5));
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN, kernel);
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, kernel);
    std::vector<Contour> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    std::vector<Region> regions;
    for (Contour& contour : contours) {
        const double area = cv::contourArea(contour);
        if (area >= kMinAreaShare * double(smooth.total()))
            regions.push_back({std::move(contour), area, {}});
    }
    std::sort(regions.begin(), regions.end(), [](const Region& r, const Region& s) { return r.area > s.area; });
    regions.resize(std::min(regions.size(), kMostRegions));
    std::erase_if(regions, [&](const Region& region) { return !StandsOut(smooth, region.contour); });
    for (Region& region : regions)
        region.polygon = PaperPolygon(region, layout);
    return regions;
}

bool TouchesEdge(const Contour& contour, const cv::Size& size)
{
    const cv::Rect box = cv::boundingRect(contour);
    return box.x <= kEdgeMargin || box.y <= kEdgeMargin || box.br().x >= size.width - kEdgeMargin
           || box.br().y >= size.height - kEdgeMargin;
}

// What the regions at one threshold say: the paper, or why there is none.
RegionSearch Judge(const std::vector<Region>& regions, const cv::Size& size)
{
    if (regions.empty())
        return {{}, kMessageNoPaper};
    const auto paper = std::find_if(regions.begin(), regions.end(),
                                    [](const Region& r) { return !r.polygon.empty(); });
    if (TouchesEdge(regions.front().contour, size) && (paper == regions.end() || paper->area < regions.front().area))
        return {{}, kMessagePaperCutOff};
    if (paper == regions.end())
        return {{}, kMessageNoPaper};
    if (TouchesEdge(paper->contour, size))
        return {{}, kMessagePaperCutOff};
    for (const Region& other : regions) {
        const bool sheet = !other.polygon.empty() || !FittedPolygon(other, 4).empty();
        if (&other != &*paper && sheet && other.area >= kSecondSheetShare * paper->area)
            return {{}, kMessageTwoSheets};
    }
    return {paper->polygon, {}};
}

} // namespace

RegionSearch FindPaperRegion(const cv::Mat& gray, PaperLayout layout)
{
    cv::Mat smooth;
    cv::GaussianBlur(gray, smooth, cv::Size(0, 0), 1.5);
    cv::Mat unused;
    const double otsu = cv::threshold(smooth, unused, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    RegionSearch first;
    for (size_t i = 0; i < std::size(kThresholdSteps); ++i) {
        RegionSearch search = Judge(BrightRegions(smooth, otsu + kThresholdSteps[i], layout), gray.size());
        if (!search.polygon.empty())
            return search;
        if (i == 0)
            first = search;
    }
    return first;
}

} // namespace quorvane
