#pragma once
// The alarm sound through the media control interface: one device at a time, opened by file
// name, played once, closed when any alarm popup closes.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "win/ui/component.h"

namespace widgets {

// The MCI calls the player makes, so tests can watch them; production sends them for real.
class MciSeam {
  public:
    virtual ~MciSeam() = default;
    virtual MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                 DWORD_PTR params) = 0;
    virtual std::string ErrorText(MCIERROR error) = 0;
};

MciSeam& SystemMci();

class TMediaPlayer : public ui::TComponent {
  public:
    explicit TMediaPlayer(ui::TComponent* AOwner, MciSeam& mci = SystemMci());
    ~TMediaPlayer() override;
    std::string ClassName() const override { return "TMediaPlayer"; }

    std::string FileName;
    // The window that receives the play-finished notice.
    HWND NotifyWindow = nullptr;

    // Closes an open device first. Throws AppError with the system's text when the file cannot
    // be opened; the player then has no device.
    void Open();
    // Plays once from the current position, rewinding a device that stands at its end. A failed
    // play is not reported.
    void Play();
    void Close();
    bool IsOpen() const { return device_ != 0; }
    MCIDEVICEID DeviceID() const { return device_; }

  private:
    MciSeam& mci_;
    MCIDEVICEID device_ = 0;
};

}  // namespace widgets
