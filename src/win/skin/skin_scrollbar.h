#pragma once
// Scroll bars of memos and list views drawn from the skin's scroll-bar pictures (arrows,
// track, thumb) over the system's own, after every message that may have changed them. The
// system keeps every behaviour: keys, wheel, clicks and dragging the thumb.
#include "core/skin/control_parts.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinScrollbar : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinScrollbar"; }
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

  private:
    // The bar (vertical or not) in window coordinates; false when it does not show.
    bool BarOf(bool vertical, core::TScrollBarLayout& layout) const;
    core::TScrollPart PartAt(LPARAM screenPoint, bool& vertical) const;

    core::TScrollPart hot_ = core::TScrollPart::None;
    bool hotVertical_ = true;
    core::TScrollPart pressed_ = core::TScrollPart::None;
};

// The list view's scroll bars, as a memo's.
class TSkinListView : public TSkinScrollbar {
  public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TSkinListView"; }
};

}  // namespace skin
