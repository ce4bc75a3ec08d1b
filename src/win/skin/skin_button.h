#pragma once
// The push button skin: the [Buttons] picture in five frames (normal, pressed, disabled, hot,
// focused) under the caption, with the mouse and the space key driving the pressed and hot
// looks and the click raised by the skin itself. Serves the program's buttons and the bare
// "Button" windows of message boxes and system dialogs.
#include "core/skin/control_button.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinButton : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinButton"; }

    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin) override;
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    bool Hot() const { return input_.hot; }
    bool Pressed() const { return input_.pressed; }
    // The frame the last paint showed.
    int LastFrame() const { return lastFrame_; }

  private:
    void ReadFlags();
    void Act(const core::TInputResult& r);
    void Click();
    void PaintBackground(HDC dc, const RECT& r);

    core::TButtonInput input_;
    bool parentPainted_ = false;
    bool forwardsMouse_ = true;
    int lastFrame_ = 0;
};

}  // namespace skin
