#include "core/output/StreamedPage.h"

#include "core/generation/WorkerThreads.h"
#include "core/output/PngRows.h"
#include "core/output/ReplacingFile.h"
#include "core/output/SaveNames.h"

namespace quorvane {

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

// Opens the file and starts the encoder for the page's size, once.
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
    encoder_ = std::thread([this] { Encode(); });
}

StreamedPage::~StreamedPage()
{
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    if (encoder_.joinable())
        encoder_.join();
}

void StreamedPage::RowsFinal(const QImage& page, int32_t rows)
{
    Start(page);
    if (problem_)
        return;
    {
        const std::lock_guard lock(mutex_);
        if (page.size() != size_ || page.format() != QImage::Format_RGB32 || rows <= ready_)
            return;
        bits_ = page.constBits();
        stride_ = page.bytesPerLine();
        ready_ = std::min(rows, size_.height());
    }
    changed_.notify_one();
}

// Encodes the rows as they come, without holding the lock while it works; stops at the first
// failure (the rest of the rows are then not worth encoding).
void StreamedPage::Encode()
{
    if (!png_->Begin())
        return;
    int32_t written = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return ready_ > written || ending_; });
        if (ready_ == written)
            return; // ending, and nothing more is ready
        const uchar* first = bits_ + written * stride_;
        const qsizetype stride = stride_;
        const int32_t count = ready_ - written;
        lock.unlock();
        const bool ok = png_->Write(first, stride, count);
        lock.lock();
        if (!ok)
            return;
        written += count;
    }
}

WriteResult StreamedPage::Finish(const QImage& page)
{
    RowsFinal(page, page.height());
    if (problem_)
        return {WriteStatus::WriteFailed, *problem_};
    if (page.size() != size_ || page.constBits() != bits_)
        return {WriteStatus::WriteFailed, SaveFailureMessage(path_, QStringLiteral("the page is not the one begun"))};
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    if (encoder_.joinable())
        encoder_.join();
    // A failed write on the file (a full disk) tells more than the encoder's own error.
    const auto failed = [this](const QString& problem) {
        return WriteResult{WriteStatus::WriteFailed, SaveFailureMessage(path_, file_->WriteError().value_or(problem))};
    };
    if (png_->Problem())
        return failed(*png_->Problem());
    if (!png_->End())
        return failed(*png_->Problem());
    if (const std::optional<QString> commitError = file_->Commit())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path_, *commitError)};
    return {WriteStatus::Written, {}};
}

} // namespace quorvane
