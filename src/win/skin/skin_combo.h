#pragma once
// The combo box skin: after the system has drawn the box, its frame and drop-down button are
// drawn from the skin's "ComboButton" picture in the state of the moment (normal, pressed, hot
// or focused, disabled). The edit field of an editable box is watched for the same looks, and
// the list's scroll bar gets a scroll-bar skin of its own.
#include "core/skin/control_combo.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinComBox : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    ~TSkinComBox() override;
    std::string ClassName() const override { return "TSkinComBox"; }

    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void AttachWindow(HWND hwnd, TSkinData& data, TFormSkin& formSkin) override;
    void Restore() override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    const core::TComboInput& Input() const { return input_; }
    // The skin of the list's scroll bar (a TComboxScrollBar or a TSkinScrollbarH), or none.
    TSkinControl* ListSkin() const { return listSkin_; }
    // The state frame the last paint showed (0 before the first).
    int LastFrame() const { return lastFrame_; }

  protected:
    void Notification(ui::TComponent* component) override;

  private:
    bool ReadInfo();
    void AttachListSkin(core::TComboListSkin kind);
    void FreeListSkin();
    void TakeOverEdit();
    void Act(const core::TInputResult& r);
    void PaintFlat(HDC dc, const RECT& r, bool focused, bool enabled);

    core::TComboInput input_;
    uint32_t style_ = 0, exStyle_ = 0;
    COMBOBOXINFO info_{};
    bool haveInfo_ = false;
    RECT button_{0, 0, 0, 0};
    HWND edit_ = nullptr;
    ui::TWndMethodChain::Link editLink_;
    int lastFrame_ = 0;
    TSkinControl* listSkin_ = nullptr;
};

}  // namespace skin
