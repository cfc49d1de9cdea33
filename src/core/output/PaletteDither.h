#pragma once

// Mapping a page onto a palette of at most 256 colours with error diffusion (Floyd and
// Steinberg's weights on five eighths of the error: enough to break up the bands of smooth
// gradients, without the noise of full strength). Each pixel takes the exact nearest
// palette colour.

#include <array>
#include <cstdint>
#include <vector>

#include <QImage>

namespace quorvane {

using PaletteColour = std::array<uint8_t, 3>; // red, green, blue

// The exact nearest palette entry (least squared distance, the lowest index on a tie) of any
// colour, through a lazily filled grid of the entries that can be nearest in each cell.
class NearestColour {
public:
    explicit NearestColour(std::vector<PaletteColour> palette);
    uint8_t Find(int red, int green, int blue);

private:
    const std::vector<uint8_t>& Candidates(int red, int green, int blue);

    std::vector<PaletteColour> palette_;
    std::vector<std::vector<uint8_t>> cells_;
    std::vector<uint8_t> filled_;
};

// One palette index per pixel, rows top-down; empty for a null page or an empty palette.
std::vector<uint8_t> DitherToPalette(const QImage& page, const std::vector<PaletteColour>& palette);

} // namespace quorvane
