#pragma once

// What the test spooler printed: scripts/with-cups.sh runs a private CUPS daemon whose
// queues write each job to $QUORVANE_CUPS_OUT/<queue>.pdf, read here with poppler's tools.

#include <QFile>
#include <QSizeF>
#include <QStringList>
#include <QThread>

#include "support/RunProgram.h"

inline bool HaveTestSpooler() { return !qEnvironmentVariableIsEmpty("QUORVANE_CUPS_OUT"); }

inline QString RunTool(const char* program, const QStringList& arguments)
{
    return QString::fromLocal8Bit(RunProgram(QString::fromLatin1(program), arguments).out).trimmed();
}

inline QString SpooledPdf(const QString& queue)
{
    return qEnvironmentVariable("QUORVANE_CUPS_OUT") + QLatin1Char('/') + queue + QStringLiteral(".pdf");
}

// Waits (up to 30 s) until the queue has no job left and its file is there.
inline bool WaitForSpooledPdf(const QString& queue)
{
    const auto printed = [&] { return QFile::exists(SpooledPdf(queue)) && RunTool("lpstat", {"-o", queue}).isEmpty(); };
    for (int wait = 0; wait < 300 && !printed(); ++wait)
        QThread::msleep(100);
    return printed();
}

// The page count and first page's size in points (pdfinfo), and each image's pixels over its
// placed size in whole pixels per inch (pdfimages -list: columns 4, 5, 13 and 14).
struct PdfFacts {
    int pages = 0;
    QSizeF pageSize;
    QList<QSize> imagePixels;
    QList<QSizeF> imagePpi;
};

inline PdfFacts ReadPdf(const QString& path)
{
    PdfFacts facts;
    for (const QString& line : RunTool("pdfinfo", {path}).split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (line.startsWith(QStringLiteral("Pages:")))
            facts.pages = words.value(1).toInt();
        if (line.startsWith(QStringLiteral("Page size:")))
            facts.pageSize = QSizeF(words.value(2).toDouble(), words.value(4).toDouble());
    }
    for (const QString& line : RunTool("pdfimages", {"-list", path}).split(QLatin1Char('\n')).mid(2)) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        facts.imagePixels.append(QSize(words.value(3).toInt(), words.value(4).toInt()));
        facts.imagePpi.append(QSizeF(words.value(12).toDouble(), words.value(13).toDouble()));
    }
    return facts;
}
