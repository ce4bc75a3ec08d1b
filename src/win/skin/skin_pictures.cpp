#include "win/skin/skin_pictures.h"

#include <algorithm>
#include <stdexcept>

namespace skin {

namespace {

constexpr DWORD kKeepTarget = 0x00AA0029;  // the raster operation that leaves the target

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
    CopyThroughMask(dc, bounds);
}

void TSkinPictures::CopyThroughMask(HDC dc, const RECT& bounds) {
    const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
    if (!mask_ || maskWidth_ < w || maskHeight_ < h) {
        maskWidth_ = std::max(w, maskWidth_);
        maskHeight_ = std::max(h, maskHeight_);
        mask_.reset(::CreateBitmap(maskWidth_, maskHeight_, 1, 1, nullptr));
        if (!mask_)
            throw std::runtime_error("Out of system resources");
    }
    // Monochrome rows are padded to 16 bits; a set bit takes the composed pixel.
    const size_t row = size_t((maskWidth_ + 15) / 16) * 2;
    maskBits_.assign(row * size_t(maskHeight_), 0);
    ::GdiFlush();
    const uint32_t* bits = scratch_.Bits();
    const int stride = scratch_.Width();
    for (int y = 0; y < h; ++y) {
        const uint32_t* line = bits + size_t(y) * size_t(stride);
        uint8_t* out = &maskBits_[size_t(y) * row];
        for (int x = 0; x < w; ++x)
            if ((line[x] & 0xFFFFFF) != 0xFF00FF)  // magenta in DIB order too
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    ::SetBitmapBits(mask_.get(), DWORD(maskBits_.size()), maskBits_.data());
    ::MaskBlt(dc, bounds.left, bounds.top, w, h, scratch_.Canvas().Handle(), 0, 0, mask_.get(), 0,
              0, MAKEROP4(SRCCOPY, kKeepTarget));
}

}  // namespace skin
