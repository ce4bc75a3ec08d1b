// Runs the real clockdesign binary: exit codes, messages and files as a designer sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/app/clock_db.h"
#include "core/app/design_ini.h"
#include "core/common/file_io.h"
#include "core/support/run_command.h"
#include "core/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using RunResult = testsupport::CommandResult;

RunResult RunTool(const std::string& args) {
    return testsupport::RunCommand(std::string("'") + TOOLS_BIN_DIR + "/clockdesign' " + args +
                                   " 2>&1");
}

class ClockDesignTool : public testsupport::ScratchFolderTest {
  protected:
    std::string Q(const std::string& name) const { return "'" + Path(name) + "'"; }
};

TEST_F(ClockDesignTool, PackDumpUnpackStampRoundTrip) {
    Write("face.bmp", "BM-face-bytes");
    Write("ring.wav", "RIFF-sound");
    Write("d.ini",
          "[Header]\nClockName=Tool Clock\n[Clock]\nFace=face.bmp\nAlphaValue=200\n"
          "[Alert]\nSound=ring.wav\nUseDuration=1\nDurationSeconds=10\n"
          "[MessageFont]\nName=Tahoma\nStyle=bold\n");
    RunResult r = RunTool("pack " + Q("d.ini") + " " + Q("d.clk"));
    ASSERT_EQ(r.status, 0) << r.output;

    core::TClockDB db;
    db.ReadDesign(Path("d.clk"));
    EXPECT_EQ(db.Header.ClockName(), "Tool Clock");
    EXPECT_EQ(db.Clock.AlphaValue(), 200);
    EXPECT_EQ(db.Alert.SoundName(), "ring.wav");
    EXPECT_EQ(db.SoundStream().size(), 10u);

    r = RunTool("dump " + Q("d.clk"));
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.output.find("ClockName=Tool Clock\n"), std::string::npos);
    EXPECT_NE(r.output.find("FaceSize=13\n"), std::string::npos);
    EXPECT_NE(r.output.find("Style=bold\n"), std::string::npos);

    r = RunTool("unpack " + Q("d.clk") + " " + Q("out"));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "d.ini"));
    r = RunTool("pack " + Q("out/d.ini") + " " + Q("again.clk"));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(core::ReadWholeFile(Path("again.clk")), core::ReadWholeFile(Path("d.clk")));

    Write("player.exe", "MZ-player");
    r = RunTool("stamp " + Q("player.exe") + " d.clk " + Q("Clock.exe"));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(core::ReadExeTrailer(Path("Clock.exe")).DesignName(), "d.clk");
    EXPECT_EQ(fs::file_size(dir_ / "Clock.exe"), 9u + 64);
}

TEST_F(ClockDesignTool, ErrorsExitWithTwoAndWriteNothing) {
    Write("bad.ini", "[Clock]\nAlphaValue=1\nFace=missing.bmp\n");
    RunResult r = RunTool("pack " + Q("bad.ini") + " " + Q("out.clk"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("bad.ini:3: [Clock] Face: Cannot open file"), std::string::npos)
        << r.output;
    EXPECT_FALSE(fs::exists(dir_ / "out.clk"));

    Write("short.clk", "ZQM");
    r = RunTool("dump " + Q("short.clk"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("not a clock design file"), std::string::npos) << r.output;

    Write("player.exe", "MZ");
    r = RunTool("stamp " + Q("player.exe") + " " + std::string(33, 'x') + " " + Q("c.exe"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("longer than 32 bytes"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "c.exe"));

    EXPECT_EQ(RunTool("").status, 2);
    EXPECT_EQ(RunTool("pack onlyone").status, 2);
    EXPECT_EQ(RunTool("frobnicate a b").status, 2);
    EXPECT_EQ(RunTool("dump " + Q("nothing.clk")).status, 2);
}

// dump and unpack say what is wrong with a file instead of writing out a design that is not
// the one in it; nothing larger than a design can be is read.
TEST_F(ClockDesignTool, DumpAndUnpackRefuseWhatIsNotAWholeDesign) {
    Write("face.bmp", "BM-face-bytes");
    Write("ring.wav", "RIFF-sound");
    Write("d.ini", "[Clock]\nFace=face.bmp\n[Alert]\nSound=ring.wav\n");
    ASSERT_EQ(RunTool("pack " + Q("d.ini") + " " + Q("d.clk")).status, 0);
    const core::Bytes whole = core::ReadWholeFile(Path("d.clk"));
    auto writeCut = [&](const std::string& name, size_t drop, char firstByte) {
        core::Bytes b(whole.begin(), whole.end() - ptrdiff_t(drop));
        b[0] = uint8_t(firstByte);
        core::WriteWholeFile(Path(name), b.data(), b.size());
    };
    writeCut("nosound.clk", 4, 'Z');
    writeCut("noface.clk", 10 + 3, 'Z');
    writeCut("magic.clk", 0, '\x1b');
    fs::resize_file(Path("d.clk"), 0);
    std::ofstream(Path("huge.clk")).close();
    fs::resize_file(Path("huge.clk"), (uint64_t(1) << 30) + 1);  // sparse: costs no disk
    const struct {
        const char* file;
        std::string message;
    } cases[] = {
        {"nosound.clk", "nosound.clk: the sound is cut short (6 of 10 bytes)"},
        {"noface.clk", "noface.clk: the face is cut short (10 of 13 bytes)"},
        {"magic.clk", "magic.clk: not a clock design file (it begins \"\\x1BQM\", not \"ZQM\")"},
        {"huge.clk", "huge.clk\" is 1073741825 bytes, more than a clock design file can be"},
    };
    for (const auto& c : cases) {
        for (const std::string& args : {"dump " + Q(c.file), "unpack " + Q(c.file) + " out"}) {
            const RunResult r = RunTool(args);
            EXPECT_EQ(r.status, 2) << args;
            EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
            EXPECT_FALSE(fs::exists(dir_ / "out"));
        }
    }
}

}  // namespace
