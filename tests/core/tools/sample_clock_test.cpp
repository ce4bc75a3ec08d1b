// The sample design, built the way scripts/make_sample.sh builds it, must hang together: the
// face and the design agree on the key colour, the LED fits the display panel, the chime is
// a proper sound file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/app/bitmap_region.h"
#include "core/app/clock_db.h"
#include "core/app/design_ini.h"
#include "core/common/file_io.h"
#include "core/support/scratch_folder.h"
#include "core/widgets/led_font.h"

namespace {

class SampleClock : public testsupport::ScratchFolderTest {
  protected:
    core::TClockDB Build() {
        std::string art = std::string("'") + TOOLS_BIN_DIR + "/sampleart' '" + dir_.string() + "'";
        EXPECT_EQ(std::system(art.c_str()), 0);
        std::filesystem::copy_file(std::string(SOURCE_DIR) + "/assets/sample/SampleClock.ini",
                                   Path("SampleClock.ini"));
        core::Bytes file = core::BuildDesignFile(core::LoadDesignIni(Path("SampleClock.ini")));
        core::TClockDB db;
        db.ReadDesignFrom(file.data(), file.size());
        return db;
    }
};

TEST_F(SampleClock, FaceShapeAndLedAgree) {
    core::TClockDB db = Build();
    EXPECT_EQ(db.Header.ClockName(), "Sample Clock");
    EXPECT_EQ(db.Header.WebSite().rfind("https://", 0), 0u);
    EXPECT_FALSE(db.Clock.IsMovieFace());
    core::Bitmap face;
    db.LoadFacePicture(face);
    ASSERT_EQ(face.width, db.Clock.FaceWidth());
    ASSERT_EQ(face.height, db.Clock.FaceHeight());

    // The corners are background and cut away; the middle is in the shape.
    EXPECT_NE(db.Clock.CutShape(), 0);
    EXPECT_EQ(face.At(0, 0), db.Clock.TransColor());
    EXPECT_EQ(face.At(face.width - 1, 0), db.Clock.TransColor());
    auto rects = core::BitmapRegionRects(face, db.Clock.TransColor(), 0, 0);
    ASSERT_FALSE(rects.empty());
    EXPECT_GT(rects.front().top, 0);

    // Configure the LED as the clock window does and size it for the longest time text.
    core::LEDFontNumModel led;
    led.SetWordWidth(db.Clock.LedWordWidth());
    led.SetWordHeight(db.Clock.LedWordHeight());
    led.SetSpace(db.Clock.LedSpace());
    led.SetThick(db.Clock.LedThick());
    led.SetOffSetX(db.Clock.LedOffSetX());
    led.SetOffSetY(db.Clock.LedOffSetY());
    EXPECT_EQ(led.WordWidth(), db.Clock.LedWordWidth()) << "accepted in the window's order";
    EXPECT_EQ(led.WordHeight(), db.Clock.LedWordHeight());
    EXPECT_EQ(led.Thick(), db.Clock.LedThick());
    led.SetText("10:42:37 PM");
    core::LedSize size = led.TextSize();
    const int32_t left = db.Clock.LedLeft(), top = db.Clock.LedTop();
    ASSERT_LE(left + size.width, face.width);
    ASSERT_LE(top + size.height, face.height);
    // The LED box is invisible only if the face under it is exactly its background colour.
    for (int32_t y = top; y < top + size.height; ++y)
        for (int32_t x = left; x < left + size.width; ++x)
            ASSERT_EQ(face.At(x, y), db.Clock.LedBGColor()) << x << "," << y;
}

TEST_F(SampleClock, ChimeIsAShortPcmWave) {
    core::TClockDB db = Build();
    const core::Bytes& wav = db.SoundStream();
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 12), "WAVE");
    EXPECT_EQ(core::GetU16(&wav[20]), 1) << "PCM";
    EXPECT_EQ(core::GetU16(&wav[34]), 16);
    EXPECT_EQ(core::GetU32(&wav[4]), wav.size() - 8);
    const uint32_t rate = core::GetU32(&wav[24]);
    const double seconds = double(core::GetU32(&wav[40])) / (rate * 2);
    EXPECT_NEAR(seconds, 1.5, 0.25);
    int peak = 0;
    for (size_t i = 44; i + 1 < wav.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(core::GetU16(&wav[i])))));
    EXPECT_GT(peak, 16000) << "audible";
    EXPECT_LT(peak, 32767) << "no clipping";
    EXPECT_EQ(core::GetU16(&wav[wav.size() - 2]), 0) << "ends in silence";
    EXPECT_EQ(db.Alert.SoundName(), "chime.wav");
    EXPECT_EQ(db.Alert.UseDuration(), 1);
    EXPECT_EQ(db.Alert.DurationSeconds(), 10);
}

}  // namespace
