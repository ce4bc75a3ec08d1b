#pragma once
// A list of pictures of one size, as menus show them beside their items.
#include <string>

#include "core/common/bitmap.h"
#include "win/ui/component.h"

namespace ui {

// Pictures of equal size side by side, magenta (0x00FF00FF) where they are transparent: the
// glyphs a menu's items show by their ImageIndex.
class TImageList : public TComponent {
  public:
    explicit TImageList(TComponent* AOwner, int width = 16, int height = 16);
    std::string ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return strip_.Empty() ? 0 : strip_.width / width_; }
    // Appends the images of `strip` (a multiple of Width wide, Height high); returns the index
    // of the first, or -1 when the picture has another size.
    int Add(const core::Bitmap& strip);
    // Every image side by side, Height high.
    const core::Bitmap& Strip() const { return strip_; }

  private:
    int width_, height_;
    core::Bitmap strip_;
};

}  // namespace ui
