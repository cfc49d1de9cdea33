#pragma once

// The kernel of RunSurvivorLanes, one template for every lane count. Each lane count is
// compiled in its own translation unit for its own instruction set (SurvivorLanes*.cpp):
// that unit includes this file's dependencies first, then sets the target and includes
// this file, so only the kernel is built for the wider set. Everything here has internal
// linkage, so no unit's code can stand in for another's.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

#include "core/generation/ExactLanes.h"
#include "core/generation/RowReplay.h"
#include "core/generation/SurvivorLanes.h"

// Lanes are GCC/Clang vector types: the compiler maps them to the machine's SIMD registers,
// or to plain scalar code where there are none. The helpers taking them are internal, so
// how a vector argument is passed without the wider set does not matter.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace quorvane {

namespace {

// 2^23: adding it to a float in [0, 2^22] rounds it to an integer, ties to even, and leaves
// that integer in the low bits of the sum's representation.
constexpr float kRoundingBias = 8388608.0f;
constexpr uint32_t kRoundingBiasBits = 0x4b000000u;
// The single-precision channel value is within 3e-5 of the exact one (products and sums of
// bytes and fractions below 1, each rounded once to 24 bits). A value farther than this
// from the nearest tie therefore rounds as the exact value does.
constexpr float kTieGuard = 0.5f - 1.0f / 4096.0f;
constexpr uint32_t kColourBits = 0x00ffffffu;
constexpr uint32_t kOpaque = 0xff000000u;
constexpr uint32_t kWhite = 0xffffffffu;

// Everything below is inlined ([[gnu::always_inline]]) into one function per lane count,
// compiled for that lane count's instruction set.

// Each lane count brings its vector types Floats, Ints and Words (GCC cannot size a vector
// by a template argument). A lane count whose machine gathers in hardware adds
//   static Words GatherWords(const uint8_t* base, Ints byteOffsets);
// reading one 32-bit word per lane.

template <typename Vectors>
struct Lanes {
    using Floats = typename Vectors::Floats;
    using Ints = typename Vectors::Ints;
    using Words = typename Vectors::Words;
    static constexpr int N = int(sizeof(Floats) / sizeof(float));

    struct Source {
        const uint8_t* bytes; // the stored block of SrcBits (PixelBuffer::StoredBlock)
        int32_t W;            // its width
        Ints pairColumn;      // its width - 2
        Ints firstRow;
        Floats lastU; // BitsWidth - 1
        Floats lastW; // BitsHeight - 1
        Floats DstY2;
    };

    // The three source pixels each lane's sample reads.
    struct Reads {
        Words here;  // (i, j)
        Words right; // (i + 1, j)
        Words below; // (i, j + 1)
    };

    struct Samples {
        Words pixels; // blue, green, red, 255 from the low byte up
        Ints full;    // the lane's sample is Full
        Ints nearTie; // some channel may round otherwise than the exact formula
    };

    [[gnu::always_inline]] inline static bool Any(Ints mask)
    {
        uint64_t words[N / 2];
        std::memcpy(words, &mask, sizeof words);
        uint64_t any = 0;
        for (const uint64_t word : words)
            any |= word;
        return any != 0;
    }

    // Built from scalars rather than read back from memory, which would stall the reads.
    template <typename T, size_t... I>
    [[gnu::always_inline]] inline static Words FromScalars(const T (&values)[N], std::index_sequence<I...>)
    {
        return Words{uint32_t(values[I])...};
    }

    [[gnu::always_inline]] inline static Source SourceOf(const TransformState& gen)
    {
        const PixelBuffer::StoredBlock block = gen.SrcBits.Stored();
        return {block.bytes,
                block.width,
                Ints{} + (block.width - 2),
                Ints{} + block.firstRow,
                Floats{} + float(gen.BitsWidth - 1),
                Floats{} + float(gen.BitsHeight - 1),
                Floats{} + gen.DstY2};
    }

    // PixelBuffer::StoredBlock::ReadOffset, lane by lane.
    [[gnu::always_inline]] inline static Ints ReadOffsets(const Source& src, Ints i, Ints j)
    {
        const Ints row = j - src.firstRow;
        return ((row > 0 ? row : Ints{}) * src.W + (i < src.pairColumn ? i : src.pairColumn)) * 4;
    }

    struct Pair {
        Words left;
        Words right;
    };

    // Each lane's pixel at base + its offset and the pixel to its right.
    [[gnu::always_inline]] inline static Pair PairsAt(const uint8_t* base, Ints at)
    {
        if constexpr (requires(const uint8_t* b, Ints offsets) { Vectors::GatherWords(b, offsets); }) {
            return {Vectors::GatherWords(base, at), Vectors::GatherWords(base + 4, at)};
        } else {
            // Both in one 8-byte read.
            uint64_t pairs[N];
            uint64_t rights[N];
            for (int k = 0; k < N; ++k) {
                std::memcpy(&pairs[k], base + at[k], sizeof pairs[k]);
                rights[k] = pairs[k] >> 32;
            }
            const auto order = std::make_index_sequence<N>();
            return {FromScalars(pairs, order), FromScalars(rights, order)};
        }
    }

    // Each lane's pixel at base + its offset.
    [[gnu::always_inline]] inline static Words WordsAt(const uint8_t* base, Ints at)
    {
        if constexpr (requires(const uint8_t* b, Ints offsets) { Vectors::GatherWords(b, offsets); }) {
            return Vectors::GatherWords(base, at);
        } else {
            uint32_t words[N];
            for (int k = 0; k < N; ++k)
                std::memcpy(&words[k], base + at[k], sizeof words[k]);
            return FromScalars(words, std::make_index_sequence<N>());
        }
    }

    [[gnu::always_inline]] inline static Reads Gather(const Source& src, Ints i, Ints j)
    {
        const Ints at = ReadOffsets(src, i, j);
        const Pair pair = PairsAt(src.bytes, at);
        return {pair.left, pair.right, WordsAt(src.bytes + size_t(src.W) * 4, at)};
    }

    [[gnu::always_inline]] inline static Floats ChannelOf(Words pixels, int shift)
    {
        return __builtin_convertvector(Ints((pixels >> shift) & 255u), Floats);
    }

    // Every channel: here + (fx (right - here) + fy (below - here)) / 2, the exact formula
    // rearranged, in single precision; the halving is folded into the fractions.
    [[gnu::always_inline]] inline static void Blend(const Reads& reads, Floats hx, Floats hy, Samples& out)
    {
        Floats worst{};
        out.pixels = Words{} + kOpaque;
        for (int shift = 0; shift < 24; shift += 8) {
            const Floats a = ChannelOf(reads.here, shift);
            const Floats value = a + (hx * (ChannelOf(reads.right, shift) - a) + hy * (ChannelOf(reads.below, shift) - a));
            const Floats biased = value + kRoundingBias;
            const Floats offset = value - (biased - kRoundingBias);
            const Floats size = Floats(Ints(offset) & 0x7fffffff);
            worst = size > worst ? size : worst;
            out.pixels |= (Words(biased) - kRoundingBiasBits) << shift;
        }
        out.nearTie = worst > kTieGuard;
    }

    [[gnu::always_inline]] inline static Ints Full(const Source& src, Floats u, Floats w)
    {
        return (u >= 0.0f) & (u < src.lastU) & (w >= 0.0f) & (w < src.lastW);
    }

    [[gnu::always_inline]] inline static Samples Sample(const Source& src, Floats u, Floats v)
    {
        const Floats w = src.DstY2 - v;
        Samples out;
        out.full = Full(src, u, w);
        const Floats uc = out.full ? u : Floats{}; // other lanes read pixel 0 and are replayed later
        const Floats wc = out.full ? w : Floats{};
        const Ints i = __builtin_convertvector(uc, Ints);
        const Ints j = __builtin_convertvector(wc, Ints);
        const Reads reads = Gather(src, i, j);
        // Where the three reads are equal every mean of them is that colour.
        const Words differs = ((reads.here ^ reads.right) | (reads.here ^ reads.below)) & kColourBits;
        if (!Any(Ints(differs))) {
            out.pixels = reads.here | kOpaque;
            out.nearTie = Ints{};
            return out;
        }
        const Floats fx = uc - __builtin_convertvector(i, Floats); // exact: Sterbenz
        const Floats fy = wc - __builtin_convertvector(j, Floats);
        Blend(reads, 0.5f * fx, 0.5f * fy, out);
        return out;
    }

    // The exact mapping's sample of each lane at (u, w), w counted in stored rows: the four
    // pixels around the point blended along the row and then the column. A pixel covers half
    // a unit around its centre; farther out is white paper.
    [[gnu::always_inline]] inline static Words ExactSample(const Source& src, Floats u, Floats w)
    {
        const Ints inside = (u >= -0.5f) & (u <= src.lastU + 0.5f) & (w >= -0.5f) & (w <= src.lastW + 0.5f);
        Floats uc = u < 0.0f ? Floats{} : (u > src.lastU ? src.lastU : u);
        Floats wc = w < 0.0f ? Floats{} : (w > src.lastW ? src.lastW : w);
        uc = inside ? uc : Floats{};
        wc = inside ? wc : Floats{};
        const Ints lastI = __builtin_convertvector(src.lastU, Ints) - 1;
        const Ints lastJ = __builtin_convertvector(src.lastW, Ints) - 1;
        Ints i = __builtin_convertvector(uc, Ints);
        Ints j = __builtin_convertvector(wc, Ints);
        i = i > lastI ? lastI : i;
        j = j > lastJ ? lastJ : j;
        const Ints at = ReadOffsets(src, i, j);
        const Pair top = PairsAt(src.bytes, at);
        const Pair bottom = PairsAt(src.bytes + size_t(src.W) * 4, at);
        const Words differs = ((top.left ^ top.right) | (top.left ^ bottom.left) | (top.left ^ bottom.right)) & kColourBits;
        Words out = top.left | kOpaque;
        if (Any(Ints(differs))) {
            const Floats fx = uc - __builtin_convertvector(i, Floats);
            const Floats fy = wc - __builtin_convertvector(j, Floats);
            out = Words{} + kOpaque;
            for (int shift = 0; shift < 24; shift += 8) {
                const Floats c00 = ChannelOf(top.left, shift);
                const Floats c01 = ChannelOf(bottom.left, shift);
                const Floats upper = c00 + fx * (ChannelOf(top.right, shift) - c00);
                const Floats lower = c01 + fx * (ChannelOf(bottom.right, shift) - c01);
                const Floats value = upper + fy * (lower - upper) + 0.5f;
                out |= Words(__builtin_convertvector(value, Ints)) << shift;
            }
        }
        return inside ? out : Words{} + kWhite;
    }

    [[gnu::always_inline]] inline static void Run(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                                 LaneOutcomes& outcomes);

    static void ExactRow(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                         uint8_t* rowBytes);
};

inline uint32_t PackColour(const Colour& colour)
{
    return kOpaque | uint32_t(colour[2]) << 16 | uint32_t(colour[1]) << 8 | colour[0];
}

template <typename Vectors>
void Lanes<Vectors>::Run(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                   LaneOutcomes& outcomes)
{
    const Source src = SourceOf(gen);
    Floats u, v, du, dv;
    uint8_t* rowBytes[N];
    for (int k = 0; k < N; ++k) {
        const int32_t b = laneRows[std::min(size_t(k), laneRows.size() - 1)]; // spare lanes repeat the last
        const RowWalk& walk = plan.walks[size_t(b)];
        u[k] = walk.L.x;
        v[k] = walk.L.y;
        du[k] = walk.stepU * plan.s;
        dv[k] = walk.stepV * plan.s;
        rowBytes[k] = gen.DstBits.MutableRow(plan.rows[size_t(b)]).data();
    }
    Ints missed{}; // lanes with a surviving sample that is not Full
    int32_t a = 0;
    for (const ColumnSurvivor& survivor : plan.columns) {
        for (; a < survivor.sample; ++a) {
            u = u + du;
            v = v + dv;
        }
        Samples samples = Sample(src, u, v);
        missed |= ~samples.full;
        if (Any(samples.nearTie & samples.full)) {
            for (int k = 0; k < N; ++k) {
                if (samples.nearTie[k] && samples.full[k])
                    samples.pixels[k] = PackColour(FullSampleColour(gen, u[k], v[k]));
            }
        }
        const size_t at = size_t(survivor.column) * 4; // read once: the stores below could alias it
        for (int k = 0; k < N; ++k) {
            const uint32_t pixel = samples.pixels[k];
            std::memcpy(rowBytes[k] + at, &pixel, sizeof pixel);
        }
    }
    for (; a < plan.samplesPerRow - 1; ++a) {
        u = u + du;
        v = v + dv;
    }
    missed |= ~Full(src, u, src.DstY2 - v);
    for (int k = 0; k < N; ++k)
        outcomes[size_t(k)] = {missed[k] == 0, u[k], v[k]};
}

template <typename Vectors>
void Lanes<Vectors>::ExactRow(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                              uint8_t* rowBytes)
{
    const Source src = SourceOf(gen);
    const size_t count = columns.xs.size(); // a multiple of N
    for (size_t at = 0; at < count; at += N) {
        Floats x;
        std::memcpy(&x, columns.xs.data() + at, sizeof x);
        const Floats inverse = 1.0f / (row.g * x + row.D);
        const Floats u = (row.a * x + row.U) * inverse;
        const Floats v = (row.d * x + row.V) * inverse;
        const Words pixels = ExactSample(src, u, src.DstY2 - v);
        const int32_t first = columns.columns[at];
        if (columns.columns[at + N - 1] - first == N - 1) { // increasing columns: these N side by side
            std::memcpy(rowBytes + size_t(first) * 4, &pixels, sizeof pixels);
            continue;
        }
        for (int k = 0; k < N; ++k) {
            const uint32_t pixel = pixels[k];
            std::memcpy(rowBytes + size_t(columns.columns[at + size_t(k)]) * 4, &pixel, sizeof pixel);
        }
    }
}

} // namespace

} // namespace quorvane
