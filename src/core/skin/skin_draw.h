#pragma once
// How a skin picture is laid onto a target: each drawing rule is a list of pieces (a source
// rectangle in the picture and a destination rectangle in the target). The Win32 painters
// execute the pieces with BitBlt/StretchBlt; DrawPieces executes them in software.
#include <cstdint>
#include <vector>

#include "core/common/bitmap.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_objects.h"

namespace core {

struct BlitPiece {
    Rect src;
    Rect dst;
    bool Stretched() const { return src.Width() != dst.Width() || src.Height() != dst.Height(); }
};

struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Frame `frame` (counted from 1, clamped to the range) of a picture holding `count` equal
// frames side by side, or stacked when `stacked`.
Rect FrameRect(const Bitmap& picture, int count, int frame, bool stacked = false);

// Nine-grid of the source rectangle `src` into `dst`: corners at their size, edges stretched
// along their length, the middle stretched or (tile) repeated. Margins that do not fit the
// target are dropped pairwise.
std::vector<BlitPiece> NineGridPieces(const Rect& src, const Rect& dst, Margins m, bool tile);

// Left `l` and right `r` pieces at their width, the middle repeated between them; every piece
// spans the target's height.
std::vector<BlitPiece> ThreeSlicePieces(const Rect& src, const Rect& dst, int l, int r);

// The frame stretched to the target, or unscaled and centred (centre rounded toward the top
// left) and clipped to it.
std::vector<BlitPiece> FramePieces(const Rect& src, const Rect& dst, bool stretch);

// Software execution of pieces: nearest-pixel stretching that picks the pixels the system's
// StretchBlt picks in COLORONCOLOR mode, clipped to the target; with
// `transparent`, magenta source pixels leave the target untouched.
void DrawPieces(Bitmap& target,
                const Bitmap& picture,
                const std::vector<BlitPiece>& pieces,
                bool transparent);

// One skin picture laid onto a target: what a painter executes in one go. It points into the
// skin's own pictures, so it is valid while that skin is loaded.
struct SkinBlit {
    const Bitmap* picture = nullptr;
    std::vector<BlitPiece> pieces;
    bool transparent = false;  // magenta source pixels leave the target untouched
    bool Empty() const { return picture == nullptr || pieces.empty(); }
};

// Nine-grid of frame `frame` of a skin object into `dst`, with the object's margins, tile and
// transparent flags.
SkinBlit ObjectBlit(const TDataSkinObject& obj, int frame, const Rect& dst, bool stacked = false);
// Software execution of a blit.
void DrawBlit(Bitmap& target, const SkinBlit& blit);

// ObjectBlit executed in software.
void DrawSkinObject(Bitmap& target,
                    const Rect& dst,
                    const TDataSkinObject& obj,
                    int frame,
                    bool stacked = false);

// Region of the pixels that are not the key colour: a pixel is outside when each of its
// channels lies between the key's channel and that plus the tolerance's channel (capped at
// 255). Row runs, offset by the origin, top row first.
std::vector<Rect> RegionFromPicture(const Bitmap& picture,
                                    uint32_t key,
                                    uint32_t tolerance,
                                    int originX,
                                    int originY);
// Runs are handed to the system in blocks of this many rectangles, each block combined into
// the region before the next is built, so that no single region call gets too large.
constexpr size_t kRegionBlockSize = 2000;
std::vector<std::vector<Rect>> RegionBlocks(const std::vector<Rect>& runs,
                                            size_t blockSize = kRegionBlockSize);

}  // namespace core
