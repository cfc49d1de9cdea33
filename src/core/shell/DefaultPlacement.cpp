#include "core/shell/DefaultPlacement.h"

#include "core/shell/Numeric.h"

namespace quorvane {

std::optional<Placement> DefaultPlacement(QSizeF canvas, int32_t PictureWidth, int32_t PictureHeight)
{
    const auto h = RoundHalfEven(canvas.height() / 2.0);
    const auto ratio = Divide(h.value_or(0), PictureHeight);
    if (!h || !ratio || PictureWidth <= 0)
        return std::nullopt;
    const auto w = RoundHalfEven(*ratio * PictureWidth);
    if (!w)
        return std::nullopt;
    const auto left = RoundHalfEven((canvas.width() - *w) * 0.45);
    const auto top = RoundHalfEven((canvas.height() - *h) * 0.75);
    if (!left || !top)
        return std::nullopt;
    return Placement{static_cast<float>(*left), static_cast<float>(*top),
                     static_cast<float>(*left + *w), static_cast<float>(*top + *h)};
}

void ApplyDefaultPlacement(Document& doc, const CanvasPaper& paper, QSizeF canvas)
{
    if (const auto placement = DefaultPlacement(canvas, doc.PictureImage.width(), doc.PictureImage.height()))
        SetPlacement(doc, paper, *placement);
}

} // namespace quorvane
