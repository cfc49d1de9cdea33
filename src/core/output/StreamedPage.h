#pragma once

// A page written to its file while it is still being made. The generation reports the rows
// that are final (PageRowsFinal); a thread of its own encodes them while the generation's
// threads make the rows below, so the encoder, which works one row after the other, no
// longer waits for the whole page. Only PNG is written so, and the file is the one
// WriteResultImage writes of the finished page, replaced the same safe way.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include <QImage>
#include <QString>

#include "core/output/ResultWriter.h"

namespace quorvane {

class PngRows;
class ReplacingFile;

class StreamedPage {
public:
    // Whether a page for `path` is written while it is made: a PNG, when the generation has
    // threads to spare for it.
    static bool Streams(const QString& path);

    // Writes a page made at PageDpi to `path`, beginning with its first final rows. Nothing
    // replaces the file until Finish succeeds.
    StreamedPage(const QString& path, int32_t PageDpi);
    // Drops the unfinished file: the old one, if any, stays as it was.
    ~StreamedPage();
    StreamedPage(const StreamedPage&) = delete;
    StreamedPage& operator=(const StreamedPage&) = delete;

    // From the generation's thread: the first `rows` rows of `page` are final. The page's
    // pixels must stay where they are until Finish returns.
    void RowsFinal(const QImage& page, int32_t rows);
    // The page is done: writes the rows that remain, ends the file and puts it in place.
    WriteResult Finish(const QImage& page);

private:
    void Start(const QImage& page);
    void Encode();

    QString path_;
    int32_t PageDpi_ = 0;
    QSize size_; // the page's, once begun
    std::unique_ptr<ReplacingFile> file_;
    std::unique_ptr<PngRows> png_;
    std::optional<QString> problem_; // the first failure, before or while encoding

    std::mutex mutex_;
    std::condition_variable changed_;
    const uchar* bits_ = nullptr; // the page's pixels, once the first rows are final
    qsizetype stride_ = 0;
    int32_t ready_ = 0;  // rows final
    bool ending_ = false; // no more rows come: encode what is ready and stop
    std::thread encoder_;
};

} // namespace quorvane
