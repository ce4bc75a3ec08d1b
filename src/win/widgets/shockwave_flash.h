#pragma once
// The movie face. When the system has the animation player control registered, it is hosted
// here and given the movie; otherwise this window stands in for it and shows the movie's
// background colour. Either way its mouse presses reach the application's message hook.
#include <oaidl.h>

#include <string>

#include "win/ui/win_control.h"

namespace widgets {

class TShockwaveFlash : public ui::TWinControl {
  public:
    explicit TShockwaveFlash(ui::TComponent* AOwner);
    ~TShockwaveFlash() override;
    std::string ClassName() const override { return "TShockwaveFlash"; }

    const std::string& Movie() const { return movie_; }
    // The player takes the movie by its file path (dispatch id 102, a wide string).
    void SetMovie(const std::string& path);
    // True when the real player is hosted, false for the stand-in.
    bool HostsPlayer() const { return dispatch_ != nullptr; }
    ui::TColor StandInColor() const { return standInColor_; }
    // Whether `hwnd` is this control's window or one of the player's windows inside it.
    bool OwnsWindow(HWND hwnd) const;

    static constexpr ui::TColor kDefaultColor = 0xFFFFFF;

  protected:
    void CreateHandle() override;
    void BoundsChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool HostPlayer();
    void PutMovie();

    std::string movie_;
    ui::TColor standInColor_ = kDefaultColor;
    HWND host_ = nullptr;
    IDispatch* dispatch_ = nullptr;
};

}  // namespace widgets
