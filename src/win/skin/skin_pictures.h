#pragma once
// The skin's pictures as GDI bitmaps, and the executor of the core's blit plans on a device
// context: the same pieces the core's software compositor draws, with BitBlt and StretchBlt;
// transparent plans are composed first and laid over the target where they are not magenta.
#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "core/common/bitmap.h"
#include "core/skin/skin_draw.h"
#include "win/ui/graphics.h"
#include "win/ui/handles.h"

namespace skin {

class TSkinPictures {
  public:
    TSkinPictures() = default;
    TSkinPictures(const TSkinPictures&) = delete;
    TSkinPictures& operator=(const TSkinPictures&) = delete;

    // The GDI copy of `picture`, made on first use and kept until Clear (a skin load).
    const ui::TBitmap& Get(const core::Bitmap& picture);
    void Clear();
    size_t Count() const { return cache_.size(); }

    // Draws the pieces of `picture` onto `dc`. With `transparent`, magenta pixels of the result
    // leave the target as it was.
    void Draw(HDC dc,
              const core::Bitmap& picture,
              const std::vector<core::BlitPiece>& pieces,
              bool transparent);
    void Draw(HDC dc,
              const ui::TBitmap& picture,
              const std::vector<core::BlitPiece>& pieces,
              bool transparent);
    // A skin object's blit as the core's painters describe it.
    void Draw(HDC dc, const core::SkinBlit& blit) {
        if (!blit.Empty())
            Draw(dc, *blit.picture, blit.pieces, blit.transparent);
    }

  private:
    struct Entry {
        const uint32_t* pixels;
        int width, height;
        std::unique_ptr<ui::TBitmap> bitmap;
    };
    void CopyKeyed(HDC dc, const RECT& bounds);

    std::unordered_map<const core::Bitmap*, Entry> cache_;
    ui::TBitmap scratch_;  // a transparent plan is composed here
    ui::TBitmap under_;    // and the target's pixels under it read back here
};

}  // namespace skin
