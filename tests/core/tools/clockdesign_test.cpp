// Runs the real clockdesign binary: exit codes, messages and files as a designer sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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

}  // namespace
