// Draws the two paper pictures the designer's 3D view lays on its sheets: 256 x 256,
// near-white, with a faint shading from top to bottom and a barely visible grain across.
// Usage: draw_paper_textures OUTPUT_FOLDER   (writes Paper1.png and Paper2.png)
#include <cmath>
#include <cstdio>

#include <QDir>
#include <QImage>

namespace {

constexpr int kSide = 256;

// brightTop, brightBottom: grey level of the top and bottom rows; phase shifts the grain.
QImage DrawPaper(double brightTop, double brightBottom, double phase)
{
    QImage image(kSide, kSide, QImage::Format_RGB888);
    for (int y = 0; y < kSide; ++y) {
        const double t = y / double(kSide - 1);
        const double row = brightTop + (brightBottom - brightTop) * t;
        for (int x = 0; x < kSide; ++x) {
            const double grain = 0.8 * std::sin(x * 0.19 + phase) + 0.5 * std::sin(x * 0.053 + 2 * phase);
            const int v = int(std::lround(row + grain));
            // A faint warm tint: blue a little below green, green a little below red.
            image.setPixel(x, y, qRgb(qMin(v, 255), qMin(v - 1, 255), qMin(v - 3, 255)));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_paper_textures OUTPUT_FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The standing sheet darkens towards its foot; the lying sheet brightens towards the
    // viewer (its bottom row is the near edge).
    const bool ok = DrawPaper(252.0, 243.0, 0.0).save(folder.filePath("Paper1.png"))
                    && DrawPaper(242.0, 251.0, 1.3).save(folder.filePath("Paper2.png"));
    if (!ok) {
        std::fprintf(stderr, "draw_paper_textures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
