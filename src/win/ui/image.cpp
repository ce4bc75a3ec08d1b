#include "win/ui/image.h"

namespace ui {

TImage::TImage(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

void TImage::Paint() {
    TCanvas& c = Canvas();
    int w = picture_.Width(), h = picture_.Height();
    c.Brush().SetColor(Parent() ? Parent()->Color() : Color());
    if (w < Width())
        c.FillRect(RECT{w, 0, Width(), Height()});
    if (h < Height())
        c.FillRect(RECT{0, h, w < Width() ? w : Width(), Height()});
    if (!picture_.Empty())
        c.Draw(0, 0, picture_);
}

}  // namespace ui
