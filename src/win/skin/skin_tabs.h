#pragma once
// The page control's skins: the tabs drawn from the skin's "Tabs" frames (normal, selected,
// disabled, hot, selected with the focus) round the "Tab.Pane" frame, the whole control on
// the face colour; and the sheet inside, which takes the face colour so that what sits on it
// does too. The system keeps the tabs' behaviour (clicks, keys, the sheets' places).
#include "win/skin/control_skin.h"

namespace skin {

class TSkinTab : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTab"; }
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

  private:
    int hot_ = -1;
};

// Takes no message: the sheet erases itself in its Color, which the skin sets.
class TSkinTabSheet : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTabSheet"; }
    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void Restore() override { GiveColourBack(); }
};

}  // namespace skin
