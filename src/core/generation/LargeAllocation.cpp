#include "core/generation/LargeAllocation.h"

#include <algorithm>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "core/generation/WorkerThreads.h"

namespace quorvane {

namespace {

constexpr size_t kLargeBlock = size_t(1) << 20;
constexpr size_t kHugePage = size_t(2) << 20;
constexpr int64_t kMaxImageBytes = int64_t(1) << 30;

} // namespace

void* AllocateLarge(size_t bytes)
{
    if (bytes < kLargeBlock)
        return std::malloc(bytes == 0 ? 1 : bytes);
    if (bytes > size_t(-1) - kHugePage)
        return nullptr;
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
#if defined(MADV_HUGEPAGE)
    if (block)
        madvise(block, rounded, MADV_HUGEPAGE); // only advice: nothing to do when refused
#endif
    return block;
}

void FreeLarge(void* block)
{
    std::free(block);
}

QImage LargeImage(QSize size, QImage::Format format)
{
    const QImage probe(1, 1, format);
    if (size.isEmpty() || probe.isNull())
        return {};
    const int64_t bytesPerLine = (int64_t(size.width()) * probe.depth() + 31) / 32 * 4;
    if (bytesPerLine > kMaxImageBytes / size.height())
        return {};
    void* block = AllocateLarge(size_t(bytesPerLine) * size_t(size.height()));
    if (!block)
        return {};
    QImage image(static_cast<uchar*>(block), size.width(), size.height(), qsizetype(bytesPerLine), format,
                 FreeLarge, block);
    if (image.isNull())
        FreeLarge(block);
    return image;
}

void FillLarge(uint8_t* bytes, size_t count, uint8_t value)
{
    const size_t parts = (count + kLargeBlock - 1) / kLargeBlock;
    ForEachShare(int32_t(std::min<size_t>(parts, INT32_MAX)), 4, [=](int32_t begin, int32_t end) {
        const size_t from = size_t(begin) * kLargeBlock;
        const size_t to = std::min(count, size_t(end) * kLargeBlock);
        std::memset(bytes + from, value, to - from);
    });
}

void FillWhite(QImage& image)
{
    if (image.format() != QImage::Format_RGB32) {
        image.fill(Qt::white);
        return;
    }
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const size_t rowBytes = size_t(image.width()) * 4;
    ForEachShare(image.height(), 64, [bits, stride, rowBytes](int32_t begin, int32_t end) {
        for (int32_t y = begin; y < end; ++y)
            std::memset(bits + y * stride, 0xff, rowBytes);
    });
}

} // namespace quorvane
