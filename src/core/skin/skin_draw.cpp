#include "core/skin/skin_draw.h"

#include <algorithm>

namespace core {

namespace {

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

void AddPiece(std::vector<BlitPiece>& out, const Rect& src, const Rect& dst) {
    if (!src.Empty() && !dst.Empty())
        out.push_back({src, dst});
}

// Repeats `src` across `dst` from its top-left corner, cutting the last copies short.
void AddTiled(std::vector<BlitPiece>& out, const Rect& src, const Rect& dst) {
    if (src.Empty() || dst.Empty())
        return;
    for (int y = dst.top; y < dst.bottom; y += src.Height()) {
        const int h = std::min(src.Height(), dst.bottom - y);
        for (int x = dst.left; x < dst.right; x += src.Width()) {
            const int w = std::min(src.Width(), dst.right - x);
            out.push_back(
                {Rect{src.left, src.top, src.left + w, src.top + h}, Rect{x, y, x + w, y + h}});
        }
    }
}

// The source pixel for target pixel `d` of a span of `dst` pixels drawn from `src` pixels,
// as the system's nearest-pixel stretching (StretchBlt with COLORONCOLOR) picks it: growing,
// the source pixel under the target pixel's centre, ties to the lower one; shrinking, of the
// source pixels whose centres fall on the target pixel the last one across a row and the
// first one down a column.
int SourceIndex(int d, int src, int dst, bool alongRow) {
    const int64_t s = src, t = dst;
    if (dst >= src)
        return int(((2 * d + 1) * s - 1) / (2 * t));
    if (alongRow)
        return int((2 * s * (d + 1) - t) / (2 * t));
    const int64_t n = 2 * s * d + 1 - t;
    return n <= 0 ? 0 : int((n + 2 * t - 1) / (2 * t));
}

}  // namespace

Rect FrameRect(const Bitmap& picture, int count, int frame, bool stacked) {
    if (picture.Empty())
        return Rect{};
    count = std::max(1, count);
    frame = std::min(std::max(1, frame), count);
    if (stacked) {
        const int h = picture.height / count;
        return Rect{0, (frame - 1) * h, picture.width, frame * h};
    }
    const int w = picture.width / count;
    return Rect{(frame - 1) * w, 0, frame * w, picture.height};
}

std::vector<BlitPiece> NineGridPieces(const Rect& src, const Rect& dst, Margins m, bool tile) {
    std::vector<BlitPiece> out;
    if (src.Empty() || dst.Empty())
        return out;
    const int W = dst.Width(), H = dst.Height();
    if (W < m.left + m.right)
        m.left = m.right = 0;
    if (H < m.top + m.bottom)
        m.top = m.bottom = 0;
    // Margins larger than the picture itself would read outside it.
    m.left = std::min(std::max(0, m.left), src.Width());
    m.right = std::min(std::max(0, m.right), src.Width() - m.left);
    m.top = std::min(std::max(0, m.top), src.Height());
    m.bottom = std::min(std::max(0, m.bottom), src.Height() - m.top);

    const int sx[4] = {src.left, src.left + m.left, src.right - m.right, src.right};
    const int sy[4] = {src.top, src.top + m.top, src.bottom - m.bottom, src.bottom};
    const int dx[4] = {dst.left, dst.left + m.left, dst.right - m.right, dst.right};
    const int dy[4] = {dst.top, dst.top + m.top, dst.bottom - m.bottom, dst.bottom};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Rect s{sx[col], sy[row], sx[col + 1], sy[row + 1]};
            const Rect d{dx[col], dy[row], dx[col + 1], dy[row + 1]};
            if (row == 1 && col == 1 && tile)
                AddTiled(out, s, d);
            else
                AddPiece(out, s, d);
        }
    }
    return out;
}

std::vector<BlitPiece> ThreeSlicePieces(const Rect& src, const Rect& dst, int l, int r) {
    std::vector<BlitPiece> out;
    if (src.Empty() || dst.Empty())
        return out;
    l = std::min(std::max(0, l), src.Width());
    r = std::min(std::max(0, r), src.Width() - l);
    const int W = dst.Width();
    const int dl = std::min(l, W), dr = std::min(r, W - dl);
    AddPiece(out, Rect{src.left, src.top, src.left + l, src.bottom},
             Rect{dst.left, dst.top, dst.left + dl, dst.bottom});
    // The middle keeps its width and is repeated; only its height follows the target.
    const Rect middle{src.left + l, src.top, src.right - r, src.bottom};
    if (!middle.Empty()) {
        for (int x = dst.left + dl; x < dst.right - dr; x += middle.Width()) {
            const int w = std::min(middle.Width(), dst.right - dr - x);
            out.push_back({Rect{middle.left, middle.top, middle.left + w, middle.bottom},
                           Rect{x, dst.top, x + w, dst.bottom}});
        }
    }
    AddPiece(out, Rect{src.right - r, src.top, src.right, src.bottom},
             Rect{dst.right - dr, dst.top, dst.right, dst.bottom});
    return out;
}

std::vector<BlitPiece> FramePieces(const Rect& src, const Rect& dst, bool stretch) {
    std::vector<BlitPiece> out;
    if (src.Empty() || dst.Empty())
        return out;
    if (stretch) {
        out.push_back({src, dst});
        return out;
    }
    const int x = dst.left + FloorDiv(dst.Width() - src.Width(), 2);
    const int y = dst.top + FloorDiv(dst.Height() - src.Height(), 2);
    const Rect placed{x, y, x + src.Width(), y + src.Height()};
    const Rect d = Intersect(placed, dst);
    if (d.Empty())
        return out;
    out.push_back({Rect{src.left + d.left - x, src.top + d.top - y, src.left + d.right - x,
                        src.top + d.bottom - y},
                   d});
    return out;
}

void DrawPieces(Bitmap& target,
                const Bitmap& picture,
                const std::vector<BlitPiece>& pieces,
                bool transparent) {
    const Rect bounds{0, 0, target.width, target.height};
    for (const BlitPiece& p : pieces) {
        const Rect src = Intersect(p.src, Rect{0, 0, picture.width, picture.height});
        if (!(src == p.src))
            continue;  // a piece outside the picture is a caller's mistake
        const Rect d = Intersect(p.dst, bounds);
        for (int y = d.top; y < d.bottom; ++y) {
            const int sy =
                p.src.top + SourceIndex(y - p.dst.top, p.src.Height(), p.dst.Height(), false);
            for (int x = d.left; x < d.right; ++x) {
                const int sx =
                    p.src.left + SourceIndex(x - p.dst.left, p.src.Width(), p.dst.Width(), true);
                const uint32_t c = picture.At(sx, sy) & 0xFFFFFF;
                if (transparent && c == kMagenta)
                    continue;
                target.Set(x, y, c);
            }
        }
    }
}

SkinBlit ObjectBlit(const TDataSkinObject& obj, int frame, const Rect& dst, bool stacked) {
    const Rect src = FrameRect(obj.Picture, obj.FrameCount, frame, stacked);
    const Margins m{obj.LeftWidth, obj.TopHeight, obj.RightWidth, obj.BottomHeight};
    return SkinBlit{&obj.Picture, NineGridPieces(src, dst, m, obj.Tile == 1), obj.Trans == 1};
}

void DrawBlit(Bitmap& target, const SkinBlit& blit) {
    if (!blit.Empty())
        DrawPieces(target, *blit.picture, blit.pieces, blit.transparent);
}

void DrawSkinObject(Bitmap& target,
                    const Rect& dst,
                    const TDataSkinObject& obj,
                    int frame,
                    bool stacked) {
    DrawBlit(target, ObjectBlit(obj, frame, dst, stacked));
}

std::vector<Rect> RegionFromPicture(const Bitmap& picture,
                                    uint32_t key,
                                    uint32_t tolerance,
                                    int originX,
                                    int originY) {
    auto upper = [](uint32_t k, uint32_t t) { return std::min<uint32_t>(255, k + t); };
    const uint32_t lr = RedOf(key), lg = GreenOf(key), lb = BlueOf(key);
    const uint32_t hr = upper(lr, RedOf(tolerance)), hg = upper(lg, GreenOf(tolerance)),
                   hb = upper(lb, BlueOf(tolerance));
    auto outside = [&](uint32_t c) {
        const uint32_t r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
        return r >= lr && r <= hr && g >= lg && g <= hg && b >= lb && b <= hb;
    };
    std::vector<Rect> runs;
    for (int y = 0; y < picture.height; ++y) {
        int x = 0;
        while (x < picture.width) {
            while (x < picture.width && outside(picture.At(x, y)))
                ++x;
            const int start = x;
            while (x < picture.width && !outside(picture.At(x, y)))
                ++x;
            if (x > start)
                runs.push_back(Rect{start + originX, y + originY, x + originX, y + 1 + originY});
        }
    }
    return runs;
}

std::vector<std::vector<Rect>> RegionBlocks(const std::vector<Rect>& runs, size_t blockSize) {
    std::vector<std::vector<Rect>> blocks;
    if (blockSize == 0)
        blockSize = kRegionBlockSize;
    for (size_t i = 0; i < runs.size(); i += blockSize)
        blocks.emplace_back(runs.begin() + long(i),
                            runs.begin() + long(std::min(runs.size(), i + blockSize)));
    return blocks;
}

}  // namespace core
