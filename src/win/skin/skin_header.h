#pragma once
// The header of a report-style list view, a window the list view makes for itself: its
// sections drawn from the skin's "Headerbar" frames (normal, pressed, hot, and the rest of the
// header right of the last section) with their captions in the skin's text colour. The system
// keeps the header's behaviour: clicks on a section, and resizing columns by their dividers.
#include "core/skin/control_parts.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinHeader : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinHeader"; }
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    const core::THeaderInput& Input() const { return input_; }

  private:
    // The section under a point in client coordinates, -1 for none.
    int HitTest(LPARAM clientPoint, bool& onDivider) const;
    void Act(const core::TInputResult& r);

    core::THeaderInput input_;
};

}  // namespace skin
