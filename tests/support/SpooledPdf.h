#pragma once

// What the test spooler printed: scripts/with-cups.sh runs a private CUPS daemon whose
// queues write each job to $QUORVANE_CUPS_OUT/<queue>.pdf, read here with poppler's tools.

#include <QFile>
#include <QLockFile>
#include <QSizeF>
#include <QStringList>
#include <QThread>

#include "support/PdfFacts.h"
#include "support/RunProgram.h"

inline bool HaveTestSpooler() { return !qEnvironmentVariableIsEmpty("QUORVANE_CUPS_OUT"); }

// The spooler's queues and the files they write are shared by every test program, so a test
// that prints holds its turn for its whole run: tests run side by side (ctest -j) then never
// read each other's jobs. A turn left by a crashed test is taken over (its process is gone).
class SpoolerTurn {
public:
    SpoolerTurn()
        : lock_(qEnvironmentVariable("QUORVANE_CUPS_OUT") + QStringLiteral("/.turn"))
    {
        lock_.setStaleLockTime(0); // held as long as the test runs, however long that is
        lock_.lock();
    }

private:
    QLockFile lock_;
};

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

// The page count and first page's size in points, and each image's pixels over its placed
// size in whole pixels per inch.
struct PdfFacts {
    int pages = 0;
    QSizeF pageSize;
    QList<QSize> imagePixels;
    QList<QSizeF> imagePpi;
};

inline PdfFacts ReadPdf(const QString& path)
{
    PdfFacts facts;
    const std::vector<QSizeF> sizes = PdfPageSizes(path);
    facts.pages = int(sizes.size());
    if (!sizes.empty())
        facts.pageSize = sizes.front();
    for (const QStringList& image : PdfImages(path)) {
        facts.imagePixels.append(QSize(image[3].toInt(), image[4].toInt()));
        facts.imagePpi.append(QSizeF(image[12].toDouble(), image[13].toDouble()));
    }
    return facts;
}
