#include "win/skin/skin_pictures.h"

#include <algorithm>
#include <stdexcept>

namespace skin {

namespace {

void Blit(HDC dc, HDC src, const core::BlitPiece& p, int dx, int dy) {
    const core::Rect& s = p.src;
    const core::Rect& d = p.dst;
    if (p.Stretched())
        ::StretchBlt(dc, d.left - dx, d.top - dy, d.Width(), d.Height(), src, s.left, s.top,
                     s.Width(), s.Height(), SRCCOPY);
    else
        ::BitBlt(dc, d.left - dx, d.top - dy, d.Width(), d.Height(), src, s.left, s.top, SRCCOPY);
}

}  // namespace

const ui::TBitmap& TSkinPictures::Get(const core::Bitmap& picture) {
    auto it = cache_.find(&picture);
    if (it != cache_.end() && it->second.pixels == picture.pixels.data() &&
        it->second.width == picture.width && it->second.height == picture.height)
        return *it->second.bitmap;
    Entry e{picture.pixels.data(), picture.width, picture.height, std::make_unique<ui::TBitmap>()};
    e.bitmap->Assign(picture);
    ui::TBitmap& made = *e.bitmap;
    cache_[&picture] = std::move(e);
    return made;
}

void TSkinPictures::Clear() {
    cache_.clear();
}

void TSkinPictures::Draw(HDC dc,
                         const core::Bitmap& picture,
                         const std::vector<core::BlitPiece>& pieces,
                         bool transparent) {
    if (picture.Empty() || pieces.empty())
        return;
    Draw(dc, Get(picture), pieces, transparent);
}

void TSkinPictures::Draw(HDC dc,
                         const ui::TBitmap& picture,
                         const std::vector<core::BlitPiece>& pieces,
                         bool transparent) {
    if (picture.Empty() || pieces.empty() || !dc)
        return;
    HDC src = const_cast<ui::TBitmap&>(picture).Canvas().Handle();
    const int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
    if (!transparent) {
        for (const core::BlitPiece& p : pieces)
            Blit(dc, src, p, 0, 0);
        ::SetStretchBltMode(dc, oldMode);
        return;
    }
    ::SetStretchBltMode(dc, oldMode);
    RECT bounds{pieces[0].dst.left, pieces[0].dst.top, pieces[0].dst.right, pieces[0].dst.bottom};
    for (const core::BlitPiece& p : pieces) {
        bounds.left = std::min(bounds.left, LONG(p.dst.left));
        bounds.top = std::min(bounds.top, LONG(p.dst.top));
        bounds.right = std::max(bounds.right, LONG(p.dst.right));
        bounds.bottom = std::max(bounds.bottom, LONG(p.dst.bottom));
    }
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (w <= 0 || h <= 0)
        return;
    if (scratch_.Width() < w || scratch_.Height() < h)
        scratch_.SetSize(std::max(w, scratch_.Width()), std::max(h, scratch_.Height()));
    HDC compose = scratch_.Canvas().Handle();
    // What no piece covers stays transparent.
    ::GdiFlush();
    for (int y = 0; y < h; ++y)
        std::fill_n(scratch_.Bits() + size_t(y) * size_t(scratch_.Width()), w, 0x00FF00FFu);
    ::SetStretchBltMode(compose, COLORONCOLOR);
    for (const core::BlitPiece& p : pieces)
        Blit(compose, src, p, bounds.left, bounds.top);
    ::GdiFlush();
    CopyKeyed(dc, bounds);
}

void TSkinPictures::CopyKeyed(HDC dc, const RECT& bounds) {
    // What lies under the plan is read back and the composed pixels are laid over it in
    // memory: one copy each way, where the system's masked transfers cost far more.
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (under_.Width() < w || under_.Height() < h)
        under_.SetSize(std::max(w, under_.Width()), std::max(h, under_.Height()));
    HDC under = under_.Canvas().Handle();
    ::BitBlt(under, 0, 0, w, h, dc, bounds.left, bounds.top, SRCCOPY);
    ::GdiFlush();
    const uint32_t* composed = scratch_.Bits();
    uint32_t* target = under_.Bits();
    for (int y = 0; y < h; ++y) {
        const uint32_t* from = composed + size_t(y) * size_t(scratch_.Width());
        uint32_t* to = target + size_t(y) * size_t(under_.Width());
        for (int x = 0; x < w; ++x)
            if ((from[x] & 0xFFFFFF) != 0xFF00FF)  // magenta in DIB order too
                to[x] = from[x];
    }
    ::BitBlt(dc, bounds.left, bounds.top, w, h, under, 0, 0, SRCCOPY);
}

}  // namespace skin
