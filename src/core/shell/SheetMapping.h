#pragma once

// How a page pass maps the page's rectangle onto a sheet's four corners in the composed
// picture.

namespace quorvane {

enum class SheetMapping {
    Bilinear, // four-corner interpolation along the edges: the default page
    Exact,    // the projective transform through the four corners, as a camera sees a flat sheet
};

} // namespace quorvane
