#pragma once
// The edit skin: after the system has drawn a bordered field, a line in the skin's shadow
// colour round the window and two white lines inside it cover the sunken edge. An up-down
// button inside the field (time pickers) gets its own skin, drawn from the skin's up-down or
// scroll-bar arrows while the system keeps its behaviour.
#include "core/skin/control_parts.h"
#include "win/skin/control_skin.h"

namespace skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinEdit"; }
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    TSkinUpDown* UpDown() const { return upDown_; }

  protected:
    void Notification(ui::TComponent* component) override;

  private:
    void FindUpDown();
    void PrintBorder(HDC dc, const RECT& r);

    TSkinUpDown* upDown_ = nullptr;
};

class TSkinUpDown : public TSkinControl {
  public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinUpDown"; }
    bool BeforeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& r) override;

    // Made by an edit skin for the up-down inside its field.
    void SetInField(bool v) { inField_ = v; }
    bool InField() const { return inField_; }

  private:
    bool Horizontal() const;
    bool Draws() const;
    // The part (0 first, 1 second, -1 none) under a client point.
    int PartAt(POINT p) const;

    bool inField_ = false;
    int hot_ = -1;
};

}  // namespace skin
