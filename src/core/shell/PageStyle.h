#pragma once

// The page style is kept as a double holding exactly 6, 4.1 or 4.2; every comparison
// with those values happens here.

namespace quorvane {

inline constexpr double kStyleLFold = 6.0;   // paper folded into an L: both sheets
inline constexpr double kStyleFlat = 4.1;    // paper lying flat: the lying sheet only
inline constexpr double kStyleUpright = 4.2; // paper standing upright: the standing sheet only

enum class PaperLayout { LFold, Flat, Upright, None };

constexpr PaperLayout LayoutOf(double PageStyle)
{
    if (PageStyle == kStyleLFold)
        return PaperLayout::LFold;
    if (PageStyle == kStyleFlat)
        return PaperLayout::Flat;
    if (PageStyle == kStyleUpright)
        return PaperLayout::Upright;
    return PaperLayout::None;
}

// The page style stored and typed for a layout; 0 for none.
constexpr double PageStyleOf(PaperLayout layout)
{
    switch (layout) {
    case PaperLayout::LFold:
        return kStyleLFold;
    case PaperLayout::Flat:
        return kStyleFlat;
    case PaperLayout::Upright:
        return kStyleUpright;
    case PaperLayout::None:
        break;
    }
    return 0.0;
}

// What the user calls each style: the designer's buttons show the caption, quorvane-cli
// takes the name beside the number.
struct PageStyleName {
    double PageStyle;
    const char* name;
    const char* caption;
};

inline constexpr PageStyleName kPageStyleNames[] = {
    {kStyleLFold, "lfold", "L-fold"},
    {kStyleFlat, "flat", "Flat"},
    {kStyleUpright, "upright", "Upright"},
};

// The name of one of the three styles; null for any other value.
constexpr const PageStyleName* NameOf(double PageStyle)
{
    for (const PageStyleName& style : kPageStyleNames) {
        if (LayoutOf(style.PageStyle) == LayoutOf(PageStyle) && LayoutOf(PageStyle) != PaperLayout::None)
            return &style;
    }
    return nullptr;
}

} // namespace quorvane
