#pragma once
// The container skins: group boxes get a thin rounded frame in the skin's shadow colour with
// the caption on the face colour; panels only take the face colour (and give it back).
#include "win/skin/control_skin.h"

namespace skin {

class TSkinGroupBox : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinGroupBox"; }
    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

  private:
    bool frameworkControl_ = false;
};

// Takes no message: a panel paints itself in its Color, which the skin sets.
class TSkinBox : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinBox"; }
    void AttachControl(TFormSkin& formSkin, TSkinData& data, bool paintsBackground) override;
    void Restore() override;
    void AfterMessage(UINT, WPARAM, LPARAM, LRESULT&) override {}
};

}  // namespace skin
