#pragma once
// The date picker skin: an outline in the skin's shadow colour with one white line inside it,
// and a small skinned arrow button laid over the picker's own drop-down button; a click on it
// goes on to the picker, which opens its calendar.
#include "core/skin/control_frames.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinDateTime;

class TArrowButton : public ui::TCustomControl {
  public:
    TArrowButton(TSkinDateTime& skin, ui::TWinControl& picker);
    std::string ClassName() const override { return "TArrowButton"; }
    // Parents the button on the picker's window, over its drop-down button.
    void PlaceOnPicker();
    bool Hot() const { return input_.hot; }
    // The "ComboxArrow" frame the last paint showed (0 before the first).
    int LastFrame() const { return lastFrame_; }
    // The picker was enabled or disabled: a disabled picker's arrow is never hot.
    void PickerEnabledChanged(bool enabled);

  protected:
    void CreateParams(ui::WindowParams& p) override;
    void Paint() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    TSkinDateTime& skin_;
    ui::TWinControl& picker_;
    int size_;
    core::TArrowInput input_;
    int lastFrame_ = 0;
};

class TSkinDateTime : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinDateTime"; }
    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void Restore() override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    TArrowButton* Arrow() const { return arrow_; }
    TSkinData& SkinDataOf() const { return Data(); }

  private:
    TArrowButton* arrow_ = nullptr;
};

}  // namespace skin
