#include "core/skin/frame_region.h"

#include <algorithm>

namespace core {

namespace {

int BorderFrame(const TDataSkinObject& o, bool active) {
    return active || o.FrameCount <= 1 ? 1 : 2;
}

}  // namespace

std::vector<TBorderDraw> FrameBorderDraws(const TFrameMetrics& m,
                                          int width,
                                          int height,
                                          bool active,
                                          const TSkinData& skin) {
    std::vector<TBorderDraw> out;
    auto add = [&](int border, const Rect& r, bool stacked) {
        out.push_back(TBorderDraw{border, r, BorderFrame(skin.Border(border), active), stacked});
    };
    add(kBorderLeft, Rect{0, 0, m.left, height}, false);
    add(kBorderRight, Rect{width - m.right, 0, width, height}, false);
    add(kBorderBottom, Rect{m.left, height - m.bottom, width - m.right, height}, true);
    add(kBorderTop, Rect{m.left, 0, width - m.right, m.caption}, true);
    return out;
}

std::vector<BlitPiece> BorderPieces(const TDataSkinObject& border,
                                    const Rect& target,
                                    int frame,
                                    bool stacked) {
    const Rect src = FrameRect(border.Picture, border.FrameCount, frame, stacked);
    const Margins margins{border.LeftWidth, border.TopHeight, border.RightWidth,
                          border.BottomHeight};
    return NineGridPieces(src, target, margins, border.Tile != 1);
}

TFrameRegion FrameRegion(const TSkinData& skin, const TFrameMetrics& m, int width, int height) {
    TFrameRegion region;
    const bool anyTransparent = skin.Border(kBorderLeft).Trans == 1 ||
                                skin.Border(kBorderRight).Trans == 1 ||
                                skin.Border(kBorderTop).Trans == 1;
    if (!anyTransparent) {
        region.whole = true;
        return region;
    }
    const Rect inner{m.left, m.caption, width - m.right, height - m.bottom};
    if (!inner.Empty())
        region.rects.push_back(inner);
    for (const TBorderDraw& d : FrameBorderDraws(m, width, height, true, skin)) {
        if (d.target.Empty())
            continue;
        const TDataSkinObject& border = skin.Border(d.border);
        bool cut = border.Trans == 1 && !border.Picture.Empty();
        if (d.border == kBorderLeft || d.border == kBorderRight)
            cut = cut && height > 1;
        else if (d.border == kBorderTop)
            cut = cut && m.caption > 1;
        else
            cut = cut && m.bottom >= 2;
        if (!cut) {
            region.rects.push_back(d.target);
            continue;
        }
        // The border drawn at its size; what stays magenta (within 1 per channel) is cut away.
        Bitmap drawn(d.target.Width(), d.target.Height(), kMagenta);
        const Rect local{0, 0, d.target.Width(), d.target.Height()};
        DrawPieces(drawn, border.Picture, BorderPieces(border, local, d.frame, d.stacked), false);
        const std::vector<Rect> runs =
            RegionFromPicture(drawn, kMagenta, RGBColour(1, 1, 1), d.target.left, d.target.top);
        region.rects.insert(region.rects.end(), runs.begin(), runs.end());
    }
    return region;
}

}  // namespace core
