#include "core/photo/EdgeLines.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <opencv2/imgproc.hpp>

#include "core/photo/CornerOrder.h"
#include "core/photo/ImageLines.h"

namespace quorvane {

namespace {

constexpr double kEndShare = 0.12;     // of an edge left out at each end, near its corners
constexpr double kSampleSpacing = 3.0; // pixels between profiles along an edge
constexpr int kMinSamples = 8;
constexpr int kMaxSamples = 300;
constexpr int kNarrowHalf = 8;   // pixels either side of the first line the second pass looks
constexpr double kWeakShare = 0.3; // a rise below this share of the edge's median is texture

struct EdgeFit {
    ImageLine line;
    std::vector<cv::Point2f> points; // where the brightness rises most steeply, pixel centres at .5
};

// The brightness across the edge at each centre: a row of 2 * half + 1 values one pixel apart,
// from outside the paper to inside, read from a small patch around the centre.
cv::Mat Profiles(const cv::Mat& gray, const std::vector<QPointF>& centres, const QPointF& normal, int half)
{
    const int length = 2 * half + 1;
    cv::Mat profiles(int(centres.size()), length, CV_32F);
    cv::Mat mapX(1, length, CV_32F);
    cv::Mat mapY(1, length, CV_32F);
    cv::Mat patch;
    const cv::Rect photo(0, 0, gray.cols, gray.rows);
    for (int row = 0; row < profiles.rows; ++row) {
        // OpenCV puts pixel centres at whole numbers.
        const double x = centres[size_t(row)].x() - 0.5;
        const double y = centres[size_t(row)].y() - 0.5;
        const cv::Rect box = cv::Rect(int(std::floor(x)) - half - 2, int(std::floor(y)) - half - 2, length + 4,
                                      length + 4) & photo;
        if (box.empty()) {
            profiles.row(row).setTo(0.0f);
            continue;
        }
        gray(box).convertTo(patch, CV_32F);
        for (int k = 0; k < length; ++k) {
            mapX.at<float>(k) = float(x + normal.x() * (k - half) - box.x);
            mapY.at<float>(k) = float(y + normal.y() * (k - half) - box.y);
        }
        cv::Mat out = profiles.row(row);
        cv::remap(patch, out, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    }
    return profiles;
}

// The steepest rise in one row of `rise`, to a fraction of a sample; the value in `peak`.
double SteepestRise(const cv::Mat& rise, int row, float& peak)
{
    const float* r = rise.ptr<float>(row);
    int best = 1;
    for (int k = 2; k < rise.cols - 1; ++k) {
        if (r[k] > r[best])
            best = k;
    }
    peak = r[best];
    const double curve = r[best - 1] - 2.0 * r[best] + r[best + 1];
    const double offset = curve < 0.0 ? 0.5 * (r[best - 1] - r[best + 1]) / curve : 0.0;
    return best + std::clamp(offset, -0.5, 0.5);
}

// The points of steepest rise across the edge between two corners, the paper on its right
// going from `from` to `to` (clockwise on screen). Weak rises are left out.
std::vector<cv::Point2f> EdgePoints(const cv::Mat& gray, const QPointF& from, const QPointF& to, int half)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length < 4.0)
        return {};
    const QPointF normal(-along.y() / length, along.x() / length);
    const int count = std::clamp(int(length * (1.0 - 2.0 * kEndShare) / kSampleSpacing), kMinSamples, kMaxSamples);
    std::vector<QPointF> centres;
    for (int i = 0; i < count; ++i)
        centres.push_back(from + along * (kEndShare + (1.0 - 2.0 * kEndShare) * (i + 0.5) / count));
    cv::Mat smooth;
    cv::Mat rise;
    cv::GaussianBlur(Profiles(gray, centres, normal, half), smooth, cv::Size(5, 1), 0.0);
    cv::Sobel(smooth, rise, CV_32F, 1, 0, 1);
    std::vector<float> peaks(static_cast<size_t>(count));
    std::vector<double> places(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        places[size_t(i)] = SteepestRise(rise, i, peaks[size_t(i)]) - half;
    std::vector<float> sorted = peaks;
    std::nth_element(sorted.begin(), sorted.begin() + count / 2, sorted.end());
    const float floor = std::max(0.0f, float(kWeakShare) * sorted[size_t(count / 2)]);
    std::vector<cv::Point2f> points;
    for (size_t i = 0; i < centres.size(); ++i) {
        if (peaks[i] > floor) {
            const QPointF p = centres[i] + normal * places[i];
            points.emplace_back(float(p.x()), float(p.y()));
        }
    }
    return 2 * points.size() >= centres.size() ? points : std::vector<cv::Point2f>{};
}

ImageLine FitLine(const std::vector<cv::Point2f>& points)
{
    cv::Vec4f fit;
    cv::fitLine(points, fit, cv::DIST_HUBER, 0.0, 0.01, 0.01);
    const QPointF p(fit[2], fit[3]);
    return LineThrough(p, p + QPointF(fit[0], fit[1]));
}

QPointF Foot(const ImageLine& line, const QPointF& p)
{
    const double distance = line.a * p.x() + line.b * p.y() + line.c;
    return p - QPointF(line.a, line.b) * distance;
}

// Two passes: a wide search around the coarse edge, then a narrow one around the first line.
std::optional<EdgeFit> FitEdge(const cv::Mat& gray, const QPointF& from, const QPointF& to, int half)
{
    const std::vector<cv::Point2f> first = EdgePoints(gray, from, to, half);
    if (first.empty())
        return std::nullopt;
    const ImageLine line = FitLine(first);
    std::vector<cv::Point2f> points = EdgePoints(gray, Foot(line, from), Foot(line, to), kNarrowHalf);
    if (points.empty())
        return std::nullopt;
    return EdgeFit{FitLine(points), std::move(points)};
}

std::optional<QPointF> FoldEndOf(const EdgeFit& upper, const EdgeFit& lower, const QPointF& otherEnd,
                                 const ImagePoint3& vanishing)
{
    std::vector<cv::Point2f> side = upper.points;
    side.insert(side.end(), lower.points.begin(), lower.points.end());
    return FoldEnd(upper.line, lower.line, FitLine(side), otherEnd, vanishing);
}

// The fold ends of the L-folded paper, each from its side's two lines or, where they lie
// almost in one line, from the fold through the other end; the second end's result feeds
// the first's again.
bool PlaceFoldEnds(const std::vector<EdgeFit>& edges, PhotoPoints& corners)
{
    const ImagePoint3 vanishing = Meet(edges[0].line, edges[3].line);
    for (int corner : {2, 5, 2}) {
        const std::optional<QPointF> end = corner == 2 ? FoldEndOf(edges[1], edges[2], corners[5], vanishing)
                                                       : FoldEndOf(edges[5], edges[4], corners[2], vanishing);
        if (!end)
            return false;
        corners[size_t(corner)] = *end;
    }
    return true;
}

} // namespace

std::optional<PhotoPoints> RefineCorners(const cv::Mat& gray, const PhotoPoints& coarse, PaperLayout layout,
                                         double searchWidth)
{
    const std::vector<int> order = ClockwiseCorners(layout);
    const size_t n = order.size();
    const int half = int(std::ceil(searchWidth));
    std::vector<EdgeFit> edges;
    for (size_t i = 0; i < n; ++i) {
        std::optional<EdgeFit> edge = FitEdge(gray, coarse[size_t(order[i])], coarse[size_t(order[(i + 1) % n])], half);
        if (!edge)
            return std::nullopt;
        edges.push_back(std::move(*edge));
    }
    PhotoPoints corners = coarse;
    for (size_t i = 0; i < n; ++i) {
        const std::optional<QPointF> corner = Intersection(edges[(i + n - 1) % n].line, edges[i].line);
        if (!corner)
            return std::nullopt;
        corners[size_t(order[i])] = *corner;
    }
    if (layout == PaperLayout::LFold && !PlaceFoldEnds(edges, corners))
        return std::nullopt;
    FillSharedCorners(corners, layout);
    return corners;
}

} // namespace quorvane
