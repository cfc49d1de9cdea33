#include "core/generation/ExactLanes.h"

#include <cstring>
#include <utility>

// GCC/Clang vector types, as in SurvivorLanes: one instance per width, the wider one
// compiled for AVX2 and chosen when the program runs. Sixteen lanes on AVX-512 measured
// slower than eight: the per-lane reads dominate, and vectors built from them cost more.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace quorvane {

namespace {

constexpr uint32_t kWhite = 0xffffffffu;
constexpr uint32_t kOpaque = 0xff000000u;
constexpr uint32_t kColourBits = 0x00ffffffu;

// The vector types of one lane count (GCC cannot size a vector by a template argument).
struct Four {
    using Floats = float __attribute__((vector_size(16)));
    using Ints = int32_t __attribute__((vector_size(16)));
    using Words = uint32_t __attribute__((vector_size(16)));
};

struct Eight {
    using Floats = float __attribute__((vector_size(32)));
    using Ints = int32_t __attribute__((vector_size(32)));
    using Words = uint32_t __attribute__((vector_size(32)));
};

template <typename Vectors>
struct Lanes {
    using Floats = typename Vectors::Floats;
    using Ints = typename Vectors::Ints;
    using Words = typename Vectors::Words;
    static constexpr int N = int(sizeof(Floats) / sizeof(float));

    [[gnu::always_inline]] inline static bool Any(Ints mask)
    {
        int32_t any = 0;
        for (int k = 0; k < N; ++k)
            any |= mask[k];
        return any != 0;
    }

    template <typename T, size_t... I>
    [[gnu::always_inline]] inline static Words FromScalars(const T (&values)[N], std::index_sequence<I...>)
    {
        return Words{uint32_t(values[I])...};
    }

    [[gnu::always_inline]] inline static Floats ChannelOf(Words pixels, int shift)
    {
        return __builtin_convertvector(Ints((pixels >> shift) & 255u), Floats);
    }

    // The four pixels around each lane's point, blended along the row and then the column.
    [[gnu::always_inline]] inline static Words Blend(const ExactSource& src, Ints i, Ints j, Floats fx, Floats fy)
    {
        const Ints at = (j * src.W + i) * 4;
        uint64_t lows[N];
        uint64_t highs[N];
        for (int k = 0; k < N; ++k) {
            const uint8_t* p = src.bytes + at[k];
            std::memcpy(&lows[k], p, sizeof lows[k]);
            std::memcpy(&highs[k], p + size_t(src.W) * 4, sizeof highs[k]);
        }
        uint64_t lowRight[N];
        uint64_t highRight[N];
        for (int k = 0; k < N; ++k) {
            lowRight[k] = lows[k] >> 32;
            highRight[k] = highs[k] >> 32;
        }
        const auto order = std::make_index_sequence<N>();
        const Words p00 = FromScalars(lows, order);
        const Words p10 = FromScalars(lowRight, order);
        const Words p01 = FromScalars(highs, order);
        const Words p11 = FromScalars(highRight, order);
        const Words differs = ((p00 ^ p10) | (p00 ^ p01) | (p00 ^ p11)) & kColourBits;
        if (!Any(Ints(differs)))
            return p00 | kOpaque;
        Words out = Words{} + kOpaque;
        for (int shift = 0; shift < 24; shift += 8) {
            const Floats c00 = ChannelOf(p00, shift);
            const Floats c01 = ChannelOf(p01, shift);
            const Floats top = c00 + fx * (ChannelOf(p10, shift) - c00);
            const Floats bottom = c01 + fx * (ChannelOf(p11, shift) - c01);
            const Floats value = top + fy * (bottom - top) + 0.5f;
            out |= Words(__builtin_convertvector(value, Ints)) << shift;
        }
        return out;
    }

    [[gnu::always_inline]] inline static Words Sample(const ExactSource& src, Floats u, Floats w)
    {
        const float lastU = float(src.W - 1);
        const float lastW = float(src.H - 1);
        // A pixel covers half a unit around its centre; farther out is white paper.
        const Ints inside = (u >= -0.5f) & (u <= lastU + 0.5f) & (w >= -0.5f) & (w <= lastW + 0.5f);
        Floats uc = u < 0.0f ? Floats{} : (u > lastU ? Floats{} + lastU : u);
        Floats wc = w < 0.0f ? Floats{} : (w > lastW ? Floats{} + lastW : w);
        uc = inside ? uc : Floats{};
        wc = inside ? wc : Floats{};
        Ints i = __builtin_convertvector(uc, Ints);
        Ints j = __builtin_convertvector(wc, Ints);
        i = i > src.W - 2 ? Ints{} + (src.W - 2) : i;
        j = j > src.H - 2 ? Ints{} + (src.H - 2) : j;
        const Floats fx = uc - __builtin_convertvector(i, Floats);
        const Floats fy = wc - __builtin_convertvector(j, Floats);
        const Words blended = Blend(src, i, j, fx, fy);
        return inside ? blended : Words{} + kWhite;
    }

    [[gnu::always_inline]] inline static void Row(const ExactSource& src, const ExactColumns& columns,
                                                  const ExactRowTerms& row, uint8_t* rowBytes)
    {
        const size_t count = columns.xs.size();
        for (size_t at = 0; at < count; at += N) {
            Floats x;
            std::memcpy(&x, columns.xs.data() + at, sizeof x);
            const Floats inverse = 1.0f / (src.g * x + row.D);
            const Floats u = (src.a * x + row.U) * inverse;
            const Floats v = (src.d * x + row.V) * inverse;
            const Words pixels = Sample(src, u, src.DstY2 - v);
            const int32_t first = columns.columns[at];
            if (columns.columns[at + N - 1] - first == N - 1) { // increasing columns: these N in a row
                std::memcpy(rowBytes + size_t(first) * 4, &pixels, sizeof pixels);
                continue;
            }
            for (int k = 0; k < N; ++k) {
                const uint32_t pixel = pixels[k];
                std::memcpy(rowBytes + size_t(columns.columns[at + size_t(k)]) * 4, &pixel, sizeof pixel);
            }
        }
    }
};

void RowOfFour(const ExactSource& src, const ExactColumns& columns, const ExactRowTerms& row, uint8_t* rowBytes)
{
    Lanes<Four>::Row(src, columns, row, rowBytes);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] void RowOfEight(const ExactSource& src, const ExactColumns& columns,
                                        const ExactRowTerms& row, uint8_t* rowBytes)
{
    Lanes<Eight>::Row(src, columns, row, rowBytes);
}

int MachineLanes()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? 8 : 4;
}
#else
int MachineLanes()
{
    return 4;
}
#endif

} // namespace

int ExactLaneCount()
{
    static const int lanes = MachineLanes();
    return lanes;
}

void RunExactRow(const ExactSource& src, const ExactColumns& columns, const ExactRowTerms& row, uint8_t* rowBytes,
                 int lanes)
{
    const int width = lanes > 0 && lanes <= ExactLaneCount() ? lanes : ExactLaneCount();
#if defined(__x86_64__)
    if (width == 8)
        return RowOfEight(src, columns, row, rowBytes);
#endif
    RowOfFour(src, columns, row, rowBytes);
}

} // namespace quorvane
