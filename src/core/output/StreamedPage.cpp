#include "core/output/StreamedPage.h"

#include <algorithm>

#include "core/generation/WorkerThreads.h"
#include "core/output/PngRows.h"
#include "core/output/ReplacingFile.h"
#include "core/output/SaveNames.h"

namespace quorvane {

namespace {

// Rows filtered per band: a band is shared out over the threads, a few rows each.
constexpr int32_t kBandRows = 64;
constexpr int32_t kShareRows = 8;

} // namespace

bool StreamedPage::Streams(const QString& path)
{
    return FormatOfFileName(path) == PageFileFormat::Png && GenerationThreads() > 1;
}

StreamedPage::StreamedPage(const QString& path, int32_t PageDpi)
    : path_(path)
    , PageDpi_(PageDpi)
    , file_(std::make_unique<ReplacingFile>(path))
{
}

StreamedPage::~StreamedPage()
{
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    if (compressor_.joinable())
        compressor_.join();
}

// Opens the file and starts the compressor for the page's size, once.
void StreamedPage::Start(const QImage& page)
{
    if (!size_.isEmpty() || problem_)
        return;
    size_ = page.size();
    if (page.isNull() || page.format() != QImage::Format_RGB32) {
        problem_ = SaveFailureMessage(path_, QStringLiteral("the page is not a 32-bit RGB image"));
        return;
    }
    if (const std::optional<WriteResult> refused = CheckResultTarget(path_)) {
        problem_ = refused->message;
        return;
    }
    if (const std::optional<QString> problem = file_->Begin()) {
        problem_ = SaveFailureMessage(path_, *problem);
        return;
    }
    png_ = std::make_unique<PngRows>(*file_, size_, DotsPerMeter(PageDpi_), kPngLevel);
    if (!png_->Begin()) {
        problem_ = SaveFailureMessage(path_, file_->WriteError().value_or(*png_->Problem()));
        return;
    }
    compressor_ = std::thread([this] { Compress(); });
}

// Filters the rows that became final, a band at a time, each band's rows on all threads.
void StreamedPage::RowsFinal(const QImage& page, int32_t rows)
{
    Start(page);
    if (problem_ || page.size() != size_ || page.format() != QImage::Format_RGB32)
        return;
    rows = std::min(rows, size_.height());
    const qsizetype rowBytes = PngRows::FilteredRowBytes(size_.width());
    while (filtered_ < rows) {
        Band band;
        band.rows = std::min(kBandRows, rows - filtered_);
        band.filtered.resize(size_t(band.rows * rowBytes));
        const int32_t top = filtered_;
        ForEachShare(band.rows, kShareRows, [&](int32_t begin, int32_t end) {
            const int32_t y = top + begin;
            PngRows::FilterRows(page.constScanLine(y), page.bytesPerLine(), end - begin,
                                y == 0 ? nullptr : page.constScanLine(y - 1), size_.width(),
                                band.filtered.data() + begin * rowBytes);
        });
        filtered_ += band.rows;
        {
            const std::lock_guard lock(mutex_);
            bands_.push_back(std::move(band));
        }
        changed_.notify_one();
    }
}

// Compresses the bands as they come, without holding the lock while it works; after a
// failure it only drops them.
void StreamedPage::Compress()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return !bands_.empty() || ending_; });
        if (bands_.empty())
            return; // ending, and nothing is left
        Band band = std::move(bands_.front());
        bands_.pop_front();
        lock.unlock();
        if (!png_->Problem())
            png_->Write(band.filtered.data(), band.rows);
        lock.lock();
    }
}

WriteResult StreamedPage::Finish(const QImage& page)
{
    RowsFinal(page, page.height());
    if (problem_)
        return {WriteStatus::WriteFailed, *problem_};
    if (page.size() != size_ || filtered_ != size_.height())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path_, QStringLiteral("the page is not the one begun"))};
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    if (compressor_.joinable())
        compressor_.join();
    // A failed write on the file (a full disk) tells more than the encoder's own error.
    if (png_->Problem() || !png_->End())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path_, file_->WriteError().value_or(*png_->Problem()))};
    if (const std::optional<QString> commitError = file_->Commit())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path_, *commitError)};
    return {WriteStatus::Written, {}};
}

} // namespace quorvane
