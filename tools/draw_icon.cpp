// Draws the program's icon as a PNG, the same shapes as the launcher's SVG icon: a sheet
// folded into an L with a block that seems to stand on it. The desktop program shows it as
// its window icon (Qt reads no SVG without an extra module).
// Usage: draw_icon OUTPUT.png [SIDE]   (SIDE defaults to 128)
#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace {

void DrawShape(QPainter& painter, const QPolygonF& shape, const QBrush& fill, const QColor& line, double width)
{
    painter.setBrush(fill);
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(shape);
}

QLinearGradient Vertical(double top, double bottom, const char* from, const char* to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor(QString::fromLatin1(from)));
    gradient.setColorAt(1, QColor(QString::fromLatin1(to)));
    return gradient;
}

// On a 128 x 128 grid, as the SVG's view box.
void DrawIcon(QPainter& painter)
{
    const QColor edge(0x5b, 0x6b, 0x7c);
    DrawShape(painter, QPolygonF({{26, 12}, {102, 12}, {102, 70}, {26, 70}}), Vertical(12, 70, "#dfe6ee", "#f7f9fb"),
              edge, 2);
    DrawShape(painter, QPolygonF({{26, 70}, {102, 70}, {122, 116}, {6, 116}}), Vertical(70, 116, "#ffffff", "#e9eef3"),
              edge, 2);
    QRadialGradient shadow(70, 98, 34);
    shadow.setColorAt(0, QColor(0x1c, 0x27, 0x33, 115));
    shadow.setColorAt(1, QColor(0x1c, 0x27, 0x33, 0));
    painter.save();
    painter.translate(70, 98);
    painter.scale(1.0, 9.0 / 34.0);
    painter.translate(-70, -98);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(70, 98), 34, 34);
    painter.restore();
    const QColor block(0x7a, 0x34, 0x14);
    DrawShape(painter, QPolygonF({{44, 58}, {58, 46}, {92, 46}, {78, 58}}), QColor(0xf4, 0xa2, 0x61), block, 1.5);
    DrawShape(painter, QPolygonF({{78, 58}, {92, 46}, {92, 82}, {78, 96}}), QColor(0xb9, 0x47, 0x1f), block, 1.5);
    DrawShape(painter, QPolygonF({{44, 58}, {78, 58}, {78, 96}, {44, 96}}), QColor(0xe7, 0x6f, 0x3c), block, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 89));
    painter.drawRect(QRectF(50, 64, 10, 10));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: draw_icon OUTPUT.png [SIDE]\n");
        return 1;
    }
    const int side = argc > 2 ? std::atoi(argv[2]) : 128;
    if (side <= 0)
        return 1;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 128.0, side / 128.0);
    DrawIcon(painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
