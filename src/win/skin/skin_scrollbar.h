#pragma once
// Scroll bars of memos, list views and the lists of combo boxes, drawn from the skin's
// scroll-bar pictures (arrows, track, thumb, and the corner where two bars meet) over the
// system's own, after every message that may have changed them. The system keeps every
// behaviour: keys, wheel, clicks and dragging the thumb.
#include "core/skin/control_parts.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinHeader;

class TSkinScrollbar : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinScrollbar"; }
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

  private:
    // What a bar showed at the last paint: the system redraws its own bar whenever this
    // changes, whichever message changed it.
    struct Shown {
        bool visible = false;
        bool enabled = false;
        core::Rect bar;  // in window coordinates
        core::TScrollInfoFacts info;
        bool operator==(const Shown& o) const {
            return visible == o.visible && enabled == o.enabled && bar == o.bar &&
                   info.min == o.info.min && info.max == o.info.max && info.page == o.info.page &&
                   info.pos == o.info.pos;
        }
    };
    Shown ShownOf(bool vertical) const;
    // The bar (vertical or not) in window coordinates; false when it does not show.
    bool BarOf(bool vertical, core::TScrollBarLayout& layout) const;
    core::TScrollPart PartAt(LPARAM screenPoint, bool& vertical) const;

    core::TScrollPart hot_ = core::TScrollPart::None;
    bool hotVertical_ = true;
    core::TScrollPart pressed_ = core::TScrollPart::None;
    Shown shown_[2];  // vertical, horizontal
    bool repaintPosted_ = false;
};

// The list view's scroll bars, as a memo's, and its header: a window of the list view's own,
// skinned as a bare window.
class TSkinListView : public TSkinScrollbar {
  public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TSkinListView"; }
    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void Restore() override;

    TSkinHeader* Header() const;
};

// The scroll bar of a drop-down combo box's list, a bare window.
class TComboxScrollBar : public TSkinScrollbar {
  public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TComboxScrollBar"; }
};

// The scroll bar of a simple combo box's list, a bare child window.
class TSkinScrollbarH : public TSkinScrollbar {
  public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TSkinScrollbarH"; }
};

}  // namespace skin
