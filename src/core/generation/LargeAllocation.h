#pragma once

// Memory for multi-megabyte pixel blocks. Every page of a fresh block faults when first
// touched, and for a page image those faults cost more than the work done on it. Blocks of
// a megabyte and more are therefore aligned to 2 MB and offered to the system for
// transparent huge pages, where it has them; smaller ones are plain heap memory.

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

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

    // A value made without one is left as it is, so that a fresh block is first touched by
    // whoever fills it (FillLarge), not here.
    template <typename U>
    void construct(U* at) noexcept
    {
        ::new (static_cast<void*>(at)) U;
    }
    template <typename U, typename... Args>
    void construct(U* at, Args&&... args)
    {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const LargeAllocator<U>&) const { return true; }
};

// A size.width() x size.height() image of `format` whose pixels live in a large block,
// freed with the image's last copy. Its contents are undefined. Null when it cannot be made.
QImage LargeImage(QSize size, QImage::Format format);

// Sets `count` bytes from `bytes` on to `value`, in parts shared among the generation's
// threads: the faults of a fresh block's first touch, and the zeroing of its pages by the
// system, are then shared too.
void FillLarge(uint8_t* bytes, size_t count, uint8_t value);

// Makes an image white (every byte 0xff for RGB32), its rows shared among the threads.
void FillWhite(QImage& image);

} // namespace quorvane
