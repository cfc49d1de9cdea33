#pragma once

// What poppler's tools read in a PDF, and the length of a black bar in an image.

#include <algorithm>
#include <vector>

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/RunProgram.h"

// Each page's size in points; empty when pdfinfo cannot read the file.
inline std::vector<QSizeF> PdfPageSizes(const QString& path)
{
    const ProgramRun run = RunProgram(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "99", path});
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(QStringLiteral("Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts"));
    for (auto it = line.globalMatch(QString::fromUtf8(run.out)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sizes.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return sizes;
}

// The rows of `pdfimages -list`, split into its columns: page, num, type, width, height,
// color, comp, bpc, enc ("image" for Flate), interp, object, ID, x-ppi, y-ppi, ...
inline std::vector<QStringList> PdfImages(const QString& path)
{
    std::vector<QStringList> images;
    const QString list = QString::fromUtf8(RunProgram(QStringLiteral("pdfimages"), {"-list", path}).out);
    for (const QString& row : list.split(u'\n').mid(2))
        if (const QStringList cells = row.simplified().split(u' '); cells.size() >= 14)
            images.push_back(cells);
    return images;
}

// `pdftoppm` of page `page` at `dpi`, or with `stored` the page's first image as stored.
inline QImage PdfPixels(const QString& path, int page, int dpi, bool stored = false)
{
    QTemporaryDir dir;
    const QString number = QString::number(page);
    const QString out = dir.filePath(QStringLiteral("p"));
    if (stored)
        RunProgram(QStringLiteral("pdfimages"), {"-png", "-f", number, "-l", number, path, out});
    else
        RunProgram(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(dpi), "-f", number, "-l", number, "-png", "-singlefile", path, out});
    return QImage(out + (stored ? QStringLiteral("-000.png") : QStringLiteral(".png")));
}

// The longest run of dark pixels along a row of `area` (all of the image when empty): the
// length of a bar drawn in black, in pixels.
inline int LongestDarkRun(const QImage& image, QRect area = {})
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    area = area.isEmpty() ? gray.rect() : area & gray.rect();
    int longest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(), run = 0; x <= area.right(); ++x) {
            run = gray.constScanLine(y)[x] < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}
