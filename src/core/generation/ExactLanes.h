#pragma once

// One output row of the exact mapping, several columns per vector. Along a row the
// projective transform is u = (a x + U) / (g x + D), v = (d x + V) / (g x + D) with U, V and
// D fixed by the row, so every column is computed on its own, with no chain between them.

#include <cstdint>
#include <vector>

namespace quorvane {

// The largest number of columns taken at once; column lists are padded to a multiple of it.
inline constexpr int kMaxExactLanes = 8;

struct ExactSource {
    const uint8_t* bytes = nullptr; // a bottom-up 32-bit buffer, W x H, W and H at least 2
    int32_t W = 0;
    int32_t H = 0;
    float DstY2 = 0.0f; // the stored row of a point is DstY2 - v
    float a = 0.0f;     // the transform's terms in x
    float d = 0.0f;
    float g = 0.0f;
};

// The columns a row writes and the x each one samples, padded by repeating the last.
struct ExactColumns {
    std::vector<float> xs;
    std::vector<int32_t> columns;
};

struct ExactRowTerms {
    float U = 0.0f; // b y + c
    float V = 0.0f; // e y + f
    float D = 0.0f; // h y + i
};

// Columns taken at once on this machine: 8 with AVX2, else 4.
int ExactLaneCount();

// Writes every listed column of the row at rowBytes: the source blended from its four
// nearest pixels at (u, DstY2 - v), white where that point is off the source. `lanes`
// 0 takes ExactLaneCount(); every count gives the same bytes.
void RunExactRow(const ExactSource& src, const ExactColumns& columns, const ExactRowTerms& row, uint8_t* rowBytes,
                 int lanes = 0);

} // namespace quorvane
