#pragma once
// A window-message timer: OnTimer runs on the user-interface thread from the message loop.
#include "win/ui/component.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace ui {

class TTimer : public TComponent, private Window {
  public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;

  private:
    void UpdateTimer();
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool enabled_ = true;
    unsigned interval_ = 1000;
    ScopedTimer timer_;
};

}  // namespace ui
