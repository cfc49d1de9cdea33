#pragma once

// Red dots in a view: where a picture of dots placed over the paper should be seen, against
// where a rendering of its page shows them.

#include <algorithm>
#include <cmath>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPointF>

// White with red dots `spacing` pixels apart, the first half that from the top-left corner.
inline QImage DotsPicture(QSize size, int spacing, double radius)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    for (int y = spacing / 2; y < size.height(); y += spacing)
        for (int x = spacing / 2; x < size.width(); x += spacing)
            painter.drawEllipse(QPointF(x, y), radius, radius);
    return picture;
}

inline int Redness(QRgb pixel)
{
    return qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel));
}

// Centres of the red blobs (red above both other channels by more than 60, 8-connected),
// weighted by that excess.
inline std::vector<QPointF> RedDots(const QImage& image)
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
inline bool NearLine(const QImage& image, QPointF at, int reach)
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
inline Displacement Measure(const QImage& composite, const QImage& view)
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

