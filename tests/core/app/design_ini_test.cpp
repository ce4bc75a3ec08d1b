#include "core/app/design_ini.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/app/clock_db.h"
#include "core/common/file_io.h"
#include "core/support/scratch_folder.h"

namespace {

using core::Bytes;
namespace fs = std::filesystem;

class DesignIniTest : public testsupport::ScratchFolderTest {
  protected:
    // Parses `text` as if it were the file d.ini in the scratch folder.
    core::ClockDesign Parse(const std::string& text) const {
        return core::ParseDesignIni(text, Path("d.ini"));
    }
    std::string ErrorOf(const std::string& text) const {
        try {
            Parse(text);
        } catch (const core::DesignIniError& e) {
            return e.what();
        }
        return "(no error)";
    }
};

TEST_F(DesignIniTest, PackSetsFieldsAndDerivesStreamSizesAndNames) {
    Write("Face.BMP", "BMface");
    Write("chime.wav", "RIFF");
    core::ClockDesign d = Parse(
        "; comment\r\n"
        "[Header]\r\n"
        "ClockName = Sample Clock \r\n"
        "WebSite=https://example.org/clock\n"
        "[Clock]\n"
        "Face=Face.BMP\n"
        "TransColor=#FF0080\n"
        "FaceLeft=-3\n"
        "AlphaValue=220\n"
        "LedWordHeight=65535\n"
        "[Alert]\n"
        "Sound=chime.wav\n"
        "AlertStyle=asCenterGrow\n"
        "AlertPosition=3\n"
        "DurationSeconds=-2147483648\n"
        "[HeaderFont]\n"
        "Style=bold, Underline\n"
        "Pitch=fpFixed\n"
        "[MessageFont]\n"
        "Name=\"  padded \\\"name\\\" \"\n");
    EXPECT_EQ(d.Header.Magic(), "ZQM");
    EXPECT_EQ(d.Header.ClockName(), "Sample Clock");
    EXPECT_EQ(d.Header.WebSite(), "https://example.org/clock");
    EXPECT_EQ(d.Clock.FaceSize(), 6u);
    EXPECT_EQ(d.Face, Bytes({'B', 'M', 'f', 'a', 'c', 'e'}));
    EXPECT_EQ(d.Clock.FaceExt(), ".BMP");
    EXPECT_EQ(d.Clock.TransColor(), 0x8000FFu) << "#RRGGBB is stored as 0x00BBGGRR";
    EXPECT_EQ(d.Clock.FaceLeft(), -3);
    EXPECT_EQ(d.Clock.AlphaValue(), 220);
    EXPECT_EQ(d.Clock.LedWordHeight(), 65535);
    EXPECT_EQ(d.Alert.SoundSize(), 4u);
    EXPECT_EQ(d.Alert.SoundName(), "chime.wav");
    EXPECT_EQ(d.Alert.AlertStyle(), core::asCenterGrow);
    EXPECT_EQ(d.Alert.AlertPosition(), core::dapBottomRight);
    EXPECT_EQ(d.Alert.DurationSeconds(), INT32_MIN);
    EXPECT_EQ(d.Alert.HeaderFont().Style(), core::fsBold | core::fsUnderline);
    EXPECT_EQ(d.Alert.HeaderFont().Pitch(), core::fpFixed);
    EXPECT_EQ(d.Alert.MessageFont().Name(), "  padded \"name\" ");

    Bytes file = core::BuildDesignFile(d);
    core::TClockDB db;
    db.ReadDesignFrom(file.data(), file.size());
    EXPECT_EQ(db.FaceStream(), d.Face);
    EXPECT_EQ(db.SoundStream(), d.Sound);
}

TEST_F(DesignIniTest, ByteOrderMarkAtTheStartIsSkipped) {
    core::ClockDesign d = Parse("\xEF\xBB\xBF[Header]\nClockName=Marked\n");
    EXPECT_EQ(d.Header.ClockName(), "Marked");
    EXPECT_NE(ErrorOf("[Header]\n\xEF\xBB\xBF" "ClockName=x\n").find("unknown key"), std::string::npos)
        << "only at the very start";
}

TEST_F(DesignIniTest, ExplicitValuesWinOverDerivedOnes) {
    Write("f.bmp", "BM");
    core::ClockDesign d = Parse(
        "[Header]\nMagic=ZQX\n[Clock]\nFace=f.bmp\nFaceExt=.swf\nFaceSize=999\n"
        "[Alert]\nSoundName=x.wav\nSoundSize=5\n");
    EXPECT_EQ(d.Header.Magic(), "ZQX");
    EXPECT_EQ(d.Clock.FaceExt(), ".swf");
    EXPECT_EQ(d.Clock.FaceSize(), 999u)
        << "lets tests build designs that claim more than they hold";
    EXPECT_EQ(d.Face.size(), 2u);
    EXPECT_EQ(d.Alert.SoundName(), "x.wav");
    EXPECT_EQ(d.Alert.SoundSize(), 5u);
    EXPECT_TRUE(d.Sound.empty());
}

TEST_F(DesignIniTest, EveryFaultNamesFileLineAndKey) {
    const std::string at = Path("d.ini") + ":";
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"[Clocks]\n", "1: unknown section [Clocks]"},
        {"[Clock\n", "1: section line without"},
        {"[Clock]\nFaceLft=1\n", "2: [Clock] FaceLft: unknown key"},
        {"[Header]\nAlphaValue=1\n", "2: [Header] AlphaValue: unknown key"},
        {"ClockName=x\n", "1: ClockName: key outside any section"},
        {"[Clock]\njust words\n", "2: expected key=value"},
        {"[Clock]\nAlphaValue=256\n", "2: [Clock] AlphaValue: value 256 is out of range 0..255"},
        {"[Clock]\nAlphaValue=-1\n", "AlphaValue: value -1 is out of range"},
        {"[Clock]\nLedThick=65536\n", "LedThick: value 65536 is out of range 0..65535"},
        {"[Clock]\nFaceSize=4294967296\n", "FaceSize: value 4294967296 is out of range"},
        {"[Clock]\nFaceLeft=2147483648\n", "FaceLeft: value 2147483648 is out of range"},
        {"[Clock]\nFaceLeft=12px\n", "FaceLeft: \"12px\" is not a number"},
        {"[Clock]\nFaceLeft=\n", "FaceLeft: \"\" is not a number"},
        {"[Clock]\nFaceLeft=99999999999999999999\n", "FaceLeft: \"99999999999999999999\" is not"},
        {"[Clock]\nTransColor=FF00FF\n", "TransColor: \"FF00FF\" is not a colour"},
        {"[Clock]\nTransColor=#FF00FG\n", "TransColor: \"#FF00FG\" is not a colour"},
        {"[Header]\nMagic=ZQMZQM\n", "Magic: text of 6 characters is longer than its field of 5"},
        {"[Alert]\nSoundName=\"abc\n", "SoundName: malformed quoted text"},
        {"[Alert]\nSoundName=\"a\\qb\"\n", "SoundName: malformed quoted text"},
        {"[Alert]\nAlertPosition=dapNowhere\n",
         "AlertPosition: \"dapNowhere\" is neither a number nor one of dapTopLeft, "},
        {"[HeaderFont]\nStyle=bold heavy\n", "[HeaderFont] Style: unknown style \"heavy\""},
        {"[Clock]\nLedTop=1\n\nLedTop=2\n", "4: [Clock] LedTop: given twice (first on line 2)"},
        {"[Clock]\nFace=nothere.bmp\n", "2: [Clock] Face: Cannot open file"},
        {"[Clock]\nFace=\n", "2: [Clock] Face: no file named"},
    };
    for (const Case& c : cases) {
        std::string error = ErrorOf(c.text);
        EXPECT_EQ(error.rfind(at, 0), 0u) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.text << " gave " << error;
    }
    std::string longName(65, 'n');
    EXPECT_NE(ErrorOf("[Header]\nClockName=" + longName + "\n").find("longer than its field of 64"),
              std::string::npos);
    EXPECT_EQ(ErrorOf("[Header]\nClockName=" + longName.substr(1) + "\n"), "(no error)")
        << "a text may fill its whole field";

    Write("face.bitmap", "BM");
    EXPECT_NE(ErrorOf("[Clock]\nFace=face.bitmap\n").find("2: [Clock] Face: extension \".bitmap\""),
              std::string::npos);
    std::string longSound = std::string(30, 's') + ".wav";
    Write(longSound, "RIFF");
    EXPECT_NE(ErrorOf("[Alert]\nSound=" + longSound + "\n").find("2: [Alert] Sound: file name"),
              std::string::npos);
}

TEST_F(DesignIniTest, DumpAndUnpackRebuildTheSameBytes) {
    core::ClockDesign d;
    d.Header.SetMagic("ZQM");
    d.Header.SetClockName("Tab\there \"quoted\" \\ end ");
    d.Header.SetAuthor(std::string(32, 'a'));
    d.Header.SetEmail("\xE9t\xE9@example.org");
    d.Clock.SetFaceExt(".bmp");
    d.Clock.SetTransColor(0x80123456);
    d.Clock.SetFaceLeft(-7);
    d.Clock.SetLedOffSetY(65535);
    d.Alert.SetAlertStyle(7);
    d.Alert.SetAlertPosition(200);
    d.Alert.SetDurationSeconds(INT32_MAX);
    core::FontRecord f;
    f.SetName("MS Sans Serif");
    f.SetStyle(0x35);
    f.SetPitch(9);
    f.SetHeight(-11);
    d.Alert.SetMessageFont(f);
    f.SetStyle(core::fsItalic | core::fsStrikeOut);
    d.Alert.SetHeaderFont(f);
    d.Alert.SetSoundName("../alarm.wav");
    d.Face = {'B', 'M', 1, 2, 3};
    d.Clock.SetFaceSize(5);
    d.Sound = {'R', 'I', 'F', 'F'};
    d.Alert.SetSoundSize(4);
    const Bytes original = core::BuildDesignFile(d);

    // From the ini text alone (streams by size) ...
    core::ClockDesign fromDump = Parse(core::DesignToIni(d));
    fromDump.Face = d.Face;
    fromDump.Sound = d.Sound;
    EXPECT_EQ(core::BuildDesignFile(fromDump), original);

    // ... and through unpacked files on disk.
    core::ClockDesign parsed = core::ParseDesignFile(original.data(), original.size());
    std::string ini = core::UnpackDesign(parsed, dir_.string(), "Clock");
    EXPECT_EQ(core::ReadWholeFile(Path("face.bmp")), d.Face);
    EXPECT_EQ(core::ReadWholeFile(Path("alarm.wav")), d.Sound) << "stored under its safe name";
    EXPECT_EQ(core::BuildDesignFile(core::LoadDesignIni(ini)), original);
}

TEST_F(DesignIniTest, CutDesignFilesUnpackWithTheirStoredSizes) {
    core::ClockDesign d;
    d.Header.SetMagic("ZQM");
    d.Clock.SetFaceExt("../x");
    d.Face = Bytes(10, 'f');
    d.Clock.SetFaceSize(10);
    d.Alert.SetSoundSize(50);
    Bytes file = core::BuildDesignFile(d);
    file.resize(file.size() - 4);
    core::ClockDesign parsed = core::ParseDesignFile(file.data(), file.size());
    EXPECT_EQ(parsed.Face.size(), 6u);
    EXPECT_TRUE(parsed.Sound.empty());
    std::string ini = core::UnpackDesign(parsed, dir_.string(), "cut");
    EXPECT_TRUE(core::FileExists(Path("face.bin"))) << "an unsafe extension is not used";
    core::ClockDesign again = core::LoadDesignIni(ini);
    EXPECT_EQ(again.Clock, d.Clock);
    EXPECT_EQ(again.Alert, d.Alert);
    EXPECT_EQ(again.Face, parsed.Face);

    EXPECT_THROW(core::ParseDesignFile(file.data(), 693), core::StreamError);
}

TEST(DesignStamp, AppendsTrailerWithTheNameAndRefusesLongNames) {
    Bytes player = {'M', 'Z', 1, 2, 3};
    Bytes out = core::StampPlayer(player, std::string(32, 'n'));
    ASSERT_EQ(out.size(), player.size() + 64);
    EXPECT_TRUE(std::equal(player.begin(), player.end(), out.begin()));
    for (size_t i = 5; i < 5 + 32; ++i)
        EXPECT_EQ(out[i], 0);
    EXPECT_EQ(core::DesignFileName(core::TrailerFrom(out.data(), out.size())),
              std::string(32, 'n'));
    EXPECT_THROW(core::StampPlayer(player, std::string(33, 'n')), core::AppError);
}

TEST(DesignColors, FormatAndParse) {
    uint32_t c = 0;
    EXPECT_TRUE(core::ParseColor("#0A0B0c", c));
    EXPECT_EQ(c, 0x0C0B0Au);
    EXPECT_EQ(core::FormatColor(c), "#0A0B0C");
    EXPECT_TRUE(core::ParseColor("#FF112233", c));
    EXPECT_EQ(c, 0xFF332211u);
    EXPECT_EQ(core::FormatColor(c), "#FF112233");
    for (const char* bad : {"", "#", "#12345", "#1234567", "123456", "#12 456"})
        EXPECT_FALSE(core::ParseColor(bad, c)) << bad;
}

}  // namespace
