#pragma once

// A page written to its file while it is still being made. The generation reports the rows
// that are final (PageRowsFinal); they are filtered for the PNG at once, on the generation's
// threads, and a thread of its own compresses them while the rows below are made, so the
// compression, which takes one row after the other, no longer waits for the whole page.
// Only PNG is written so, and the file is the one WriteResultImage writes of the finished
// page, replaced the same safe way.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

    // From the generation's thread: the first `rows` rows of `page` are final.
    void RowsFinal(const QImage& page, int32_t rows);
    // The page is done: writes the rows that remain, ends the file and puts it in place.
    WriteResult Finish(const QImage& page);

private:
    struct Band {
        std::vector<uchar> filtered;
        int rows = 0;
    };

    void Start(const QImage& page);
    void Compress();

    QString path_;
    int32_t PageDpi_ = 0;
    QSize size_; // the page's, once begun
    int32_t filtered_ = 0; // rows filtered and handed to the compressor
    std::unique_ptr<ReplacingFile> file_;
    std::unique_ptr<PngRows> png_;
    std::optional<QString> problem_; // a failure before the compressor started

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Band> bands_; // filtered, waiting for the compressor
    bool ending_ = false;   // no more bands come
    std::thread compressor_;
};

} // namespace quorvane
