#pragma once
// Where a skinned frame's borders go, the pieces that draw each of them, and the window region
// cut from their transparent pixels. Both the Win32 painter and the region builder use the
// same pieces, so what is cut away is exactly what is drawn magenta.
#include <vector>

#include "core/skin/frame_rules.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace core {

enum TBorderIndex : int { kBorderLeft = 0, kBorderRight = 1, kBorderTop = 2, kBorderBottom = 3 };

struct TBorderDraw {
    int border = kBorderLeft;
    Rect target;    // window coordinates
    int frame = 1;  // 1 active (or single-frame pictures), 2 inactive
    bool stacked =
        false;  // Top and Bottom stack their frames, Left and Right set them side by side
};

// The borders of a window of width x height, in the order they are painted: Left, Right,
// Bottom, then Top (the caption, drawn into the caption buffer).
std::vector<TBorderDraw> FrameBorderDraws(const TFrameMetrics& m,
                                          int width,
                                          int height,
                                          bool active,
                                          const TSkinData& skin);

// A border picture's nine-grid onto its target: its margins, the middle repeated unless the
// border's stretch flag (kept in Tile) is 1.
std::vector<BlitPiece> BorderPieces(const TDataSkinObject& border,
                                    const Rect& target,
                                    int frame,
                                    bool stacked);

// The region of a skinned window as rectangles whose union it is. `whole` when no border of
// Left, Right and Top is transparent: the region is then the whole window.
struct TFrameRegion {
    bool whole = false;
    std::vector<Rect> rects;
};
TFrameRegion FrameRegion(const TSkinData& skin, const TFrameMetrics& m, int width, int height);

}  // namespace core
