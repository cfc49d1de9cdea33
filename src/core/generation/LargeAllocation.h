#pragma once

// Memory for multi-megabyte pixel blocks. Every page of a fresh block faults when first
// touched, and for a page image those faults cost more than the work done on it. Blocks of
// a megabyte and more are therefore aligned to 2 MB and offered to the system for
// transparent huge pages, where it has them; smaller ones are plain heap memory.

#include <cstddef>
#include <new>

#include <QImage>
#include <QSize>

namespace quorvane {

// nullptr when the memory cannot be had.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* block);

template <typename T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <typename U>
    LargeAllocator(const LargeAllocator<U>&) {}

    T* allocate(size_t count)
    {
        if (count > size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        void* block = AllocateLarge(count * sizeof(T));
        if (!block)
            throw std::bad_alloc();
        return static_cast<T*>(block);
    }
    void deallocate(T* block, size_t) { FreeLarge(block); }

    template <typename U>
    bool operator==(const LargeAllocator<U>&) const { return true; }
};

// A size.width() x size.height() image of `format` whose pixels live in a large block,
// freed with the image's last copy. Its contents are undefined. Null when it cannot be made.
QImage LargeImage(QSize size, QImage::Format format);

} // namespace quorvane
