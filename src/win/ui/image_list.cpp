#include "win/ui/image_list.h"

namespace ui {

TImageList::TImageList(TComponent* AOwner, int width, int height)
    : TComponent(AOwner), width_(width > 0 ? width : 16), height_(height > 0 ? height : 16) {}

int TImageList::Add(const core::Bitmap& strip) {
    if (strip.height != height_ || strip.width <= 0 || strip.width % width_ != 0)
        return -1;
    const int first = Count();
    core::Bitmap joined(strip_.width + strip.width, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < strip_.width; ++x)
            joined.Set(x, y, strip_.At(x, y));
        for (int x = 0; x < strip.width; ++x)
            joined.Set(strip_.width + x, y, strip.At(x, y));
    }
    strip_ = std::move(joined);
    return first;
}

}  // namespace ui
