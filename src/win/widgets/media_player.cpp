#include "win/widgets/media_player.h"

#include "core/common/errors.h"
#include "win/ui/delay_load.h"

namespace widgets {
namespace {

class SystemMciSeam : public MciSeam {
  public:
    MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                         DWORD_PTR params) override {
        return sys::mciSendCommandA(device, message, flags, params);
    }
    std::string ErrorText(MCIERROR error) override {
        char text[256] = {};
        if (!sys::mciGetErrorStringA(error, text, sizeof text))
            return "MCI error " + std::to_string(error);
        return text;
    }
};

}  // namespace

MciSeam& SystemMci() {
    static SystemMciSeam seam;
    return seam;
}

TMediaPlayer::TMediaPlayer(ui::TComponent* AOwner, MciSeam& mci)
    : ui::TComponent(AOwner), mci_(mci) {}

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::Open() {
    Close();
    MCI_OPEN_PARMSA params{};
    params.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow);
    params.lpstrElementName = FileName.c_str();
    MCIERROR error = mci_.SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                                      reinterpret_cast<DWORD_PTR>(&params));
    if (error)
        throw core::AppError(mci_.ErrorText(error));
    device_ = params.wDeviceID;
}

void TMediaPlayer::Play() {
    if (!device_)
        return;
    MCI_STATUS_PARMS position{}, length{};
    position.dwItem = MCI_STATUS_POSITION;
    length.dwItem = MCI_STATUS_LENGTH;
    if (!mci_.SendCommand(device_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                          reinterpret_cast<DWORD_PTR>(&position)) &&
        !mci_.SendCommand(device_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                          reinterpret_cast<DWORD_PTR>(&length)) &&
        length.dwReturn > 0 && position.dwReturn >= length.dwReturn) {
        MCI_SEEK_PARMS seek{};
        mci_.SendCommand(device_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT,
                         reinterpret_cast<DWORD_PTR>(&seek));
    }
    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(NotifyWindow);
    mci_.SendCommand(device_, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
}

void TMediaPlayer::Close() {
    if (!device_)
        return;
    MCI_GENERIC_PARMS params{};
    mci_.SendCommand(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&params));
    device_ = 0;
}

}  // namespace widgets
