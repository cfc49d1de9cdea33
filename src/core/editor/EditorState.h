#pragma once

#include <cstdint>

namespace quorvane {

// The canvas editor's own state, outside the document.
struct EditorState {
    bool PreviewMode = false; // the picture alone, without frame and grips
    bool SelShown = false;    // the eight grips are on the canvas now
    int16_t HitZone = 0;      // 0 none, 1..8 a grip, 9 the inside
};

} // namespace quorvane
