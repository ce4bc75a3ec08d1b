// The alarm's sound device and the popup settings taken from the design.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/app/clock_design.h"
#include "core/common/errors.h"
#include "win/app/alarm_popup.h"
#include "win/widgets/media_player.h"

namespace {

struct Call {
    MCIDEVICEID device;
    UINT message;
    DWORD_PTR flags;
};

class RecordingMci : public widgets::MciSeam {
  public:
    std::vector<Call> calls;
    MCIERROR openError = 0;
    DWORD position = 0, length = 100;
    MCIDEVICEID nextDevice = 7;

    MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                         DWORD_PTR params) override {
        calls.push_back({device, message, flags});
        if (message == MCI_OPEN) {
            if (openError)
                return openError;
            reinterpret_cast<MCI_OPEN_PARMSA*>(params)->wDeviceID = nextDevice++;
        }
        if (message == MCI_STATUS) {
            auto* p = reinterpret_cast<MCI_STATUS_PARMS*>(params);
            p->dwReturn = p->dwItem == MCI_STATUS_POSITION ? position : length;
        }
        return 0;
    }
    std::string ErrorText(MCIERROR) override { return "The device cannot open this file"; }
    int Count(UINT message) const {
        int n = 0;
        for (const auto& c : calls) n += c.message == message;
        return n;
    }
};

TEST(MediaPlayer, OneDeviceAtATimeAndCloseStopsIt) {
    RecordingMci mci;
    widgets::TMediaPlayer player(nullptr, mci);
    player.FileName = "C:\\chime.wav";
    player.Open();
    player.Play();
    EXPECT_EQ(player.DeviceID(), 7u);
    // A second alarm closes the first device before opening again.
    player.Open();
    player.Play();
    EXPECT_EQ(player.DeviceID(), 8u);
    ASSERT_GE(mci.calls.size(), 3u);
    EXPECT_EQ(mci.Count(MCI_OPEN), 2);
    EXPECT_EQ(mci.Count(MCI_CLOSE), 1);
    EXPECT_EQ(mci.Count(MCI_PLAY), 2);
    for (const auto& c : mci.calls)
        if (c.message == MCI_PLAY) EXPECT_EQ(c.flags, DWORD_PTR(MCI_NOTIFY));
    player.Close();
    player.Close();  // nothing open: nothing sent
    EXPECT_EQ(mci.Count(MCI_CLOSE), 2);
    EXPECT_FALSE(player.IsOpen());
}

TEST(MediaPlayer, DeviceAtItsEndIsRewoundBeforePlaying) {
    RecordingMci mci;
    mci.position = 100;
    widgets::TMediaPlayer player(nullptr, mci);
    player.Open();
    player.Play();
    EXPECT_EQ(mci.Count(MCI_SEEK), 1);
    mci.position = 10;
    player.Play();
    EXPECT_EQ(mci.Count(MCI_SEEK), 1);
}

TEST(MediaPlayer, OpenErrorCarriesTheSystemTextAndLeavesNoDevice) {
    RecordingMci mci;
    mci.openError = MCIERR_INVALID_FILE;
    widgets::TMediaPlayer player(nullptr, mci);
    try {
        player.Open();
        FAIL() << "no error";
    } catch (const core::AppError& e) {
        EXPECT_STREQ(e.what(), "The device cannot open this file");
    }
    EXPECT_FALSE(player.IsOpen());
    player.Play();
    EXPECT_EQ(mci.Count(MCI_PLAY), 0);
}

TEST(MediaPlayer, RealDeviceOpensAndClosesAWave) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "media_player_test.wav";
    // 0.1 s of 8-bit silence.
    std::vector<unsigned char> w(44 + 800, 128);
    auto put = [&](size_t at, const char* s) { memcpy(&w[at], s, 4); };
    auto u32 = [&](size_t at, DWORD v) { memcpy(&w[at], &v, 4); };
    auto u16 = [&](size_t at, WORD v) { memcpy(&w[at], &v, 2); };
    put(0, "RIFF"); u32(4, DWORD(w.size() - 8)); put(8, "WAVE"); put(12, "fmt ");
    u32(16, 16); u16(20, 1); u16(22, 1); u32(24, 8000); u32(28, 8000); u16(32, 1); u16(34, 8);
    put(36, "data"); u32(40, 800);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, w.data(), DWORD(w.size()), &written, nullptr);
    CloseHandle(h);
    {
        widgets::TMediaPlayer player(nullptr);
        player.FileName = path;
        player.Open();
        EXPECT_TRUE(player.IsOpen());
        player.Play();
        player.Close();
        EXPECT_FALSE(player.IsOpen());
    }
    DeleteFileA(path.c_str());
}

TEST(AlarmPopupSettings, StoredSizeDecidesTheFontAndTheDisplayTimeFollowsTheSwitch) {
    core::FontRecord rec;
    rec.SetName("Tahoma");
    rec.SetHeight(-30);
    rec.SetSize(9);
    rec.SetColor(0x00112233);
    rec.SetStyle(core::fsBold | core::fsItalic | 0xF0);
    rec.SetPitch(7);
    ui::TFont font;
    app::ApplyFontRecord(rec, font);
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Style(), ui::TFontStyles(ui::fsBold | ui::fsItalic));
    EXPECT_EQ(font.Pitch(), ui::fpDefault);

    core::AlertRecord alert;
    alert.SetDurationSeconds(5);
    EXPECT_EQ(app::AlertDisplayMilliseconds(alert), 0u) << "UseDuration off: until closed";
    alert.SetUseDuration(1);
    EXPECT_EQ(app::AlertDisplayMilliseconds(alert), 5000u);
    alert.SetDurationSeconds(-3);
    EXPECT_EQ(app::AlertDisplayMilliseconds(alert), 0u);
    alert.SetDurationSeconds(INT32_MAX);
    EXPECT_EQ(app::AlertDisplayMilliseconds(alert), uint32_t(INT32_MAX));
}

}  // namespace
