#pragma once
// The seven-segment LED text control: the core model decides, this control draws with GDI.
#include "core/widgets/led_font.h"
#include "win/ui/win_control.h"

namespace widgets {

class TLEDFontNum : public ui::TCustomControl {
  public:
    explicit TLEDFontNum(ui::TComponent* AOwner);
    std::string ClassName() const override { return "TLEDFontNum"; }

    int32_t OffSetX() const { return model_.OffSetX(); }
    int32_t OffSetY() const { return model_.OffSetY(); }
    int32_t WordWidth() const { return model_.WordWidth(); }
    int32_t WordHeight() const { return model_.WordHeight(); }
    int32_t Thick() const { return model_.Thick(); }
    int32_t Space() const { return model_.Space(); }
    const std::string& Text() const { return model_.Text(); }
    uint32_t BGColor() const { return model_.BGColor(); }
    uint32_t LightColor() const { return model_.LightColor(); }
    uint32_t DarkColor() const { return model_.DarkColor(); }
    bool AutoSize() const { return model_.AutoSize(); }

    void SetOffSetX(int32_t v) { Apply(model_.SetOffSetX(v)); }
    void SetOffSetY(int32_t v) { Apply(model_.SetOffSetY(v)); }
    void SetWordWidth(int32_t v) { Apply(model_.SetWordWidth(v)); }
    void SetWordHeight(int32_t v) { Apply(model_.SetWordHeight(v)); }
    void SetThick(int32_t v) { Apply(model_.SetThick(v)); }
    void SetSpace(int32_t v) { Apply(model_.SetSpace(v)); }
    // Draws at once, without invalidating: no background erase between two time frames.
    void SetText(const std::string& s) { Apply(model_.SetText(s)); }
    void SetBGColor(uint32_t v) { Apply(model_.SetBGColor(v)); }
    void SetLightColor(uint32_t v) { Apply(model_.SetLightColor(v)); }
    void SetDarkColor(uint32_t v) { Apply(model_.SetDarkColor(v)); }
    void SetAutoSize(bool b) { Apply(model_.SetAutoSize(b)); }

    // Composes the whole text off screen and copies it to the window in one operation; then
    // applies auto-size. Does nothing while the control is hidden.
    void DrawDigits();
    const core::LEDFontNumModel& Model() const { return model_; }

  protected:
    void Paint() override;
    void BoundsChanged() override;
    bool EraseBackground(HDC) override { return true; }  // every drawing covers the window

  private:
    void Apply(const core::LedUpdate& update);
    void Resize(const core::LedSize& size);

    core::LEDFontNumModel model_;
};

}  // namespace widgets
