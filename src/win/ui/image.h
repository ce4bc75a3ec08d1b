#pragma once
// A picture control: draws its bitmap at the bitmap's own size from its top-left corner,
// clipped to its bounds; the rest shows the control's colour.
#include "win/ui/win_control.h"

namespace ui {

class TImage : public TCustomControl {
  public:
    explicit TImage(TComponent* AOwner);
    std::string ClassName() const override { return "TImage"; }
    TBitmap& Picture() { return picture_; }

  protected:
    void Paint() override;
    bool EraseBackground(HDC) override { return true; }  // Paint covers every pixel

  private:
    TBitmap picture_;
};

}  // namespace ui
