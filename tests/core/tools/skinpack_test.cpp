// Runs the real skinpack binary on folders and files made here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/common/file_io.h"
#include "core/skin/codec_test_data.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

namespace {

namespace fs = std::filesystem;
using core::Bytes;

class SkinpackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) /
                ("skinpack_" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    // Exit status of `skinpack args`, its output silenced.
    int Run(const std::string& args) const {
        std::string cmd =
            std::string(TOOLS_BIN_DIR) + "/skinpack " + args + " >" + Path("out.txt") + " 2>&1";
        int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Output() const {
        Bytes b = core::ReadWholeFile(Path("out.txt"));
        return std::string(b.begin(), b.end());
    }
    void Write(const std::string& name, const Bytes& data) const {
        fs::create_directories(fs::path(Path(name)).parent_path());
        core::WriteWholeFile(Path(name), data.data(), data.size());
    }
    Bytes Read(const std::string& name) const { return core::ReadWholeFile(Path(name)); }

    fs::path root_;
};

Bytes B(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

TEST_F(SkinpackTest, PackPutsTheIniFirstAndUnpackGivesEveryFileBack) {
    Bytes ini = B("[TitlebarSkin]\r\nSkinName=Blue\r\n");
    Bytes top = codec_test::Bitmap(64, 24, 5);
    Bytes btn = codec_test::Bitmap(90, 18, 6);
    Write("src/Blue.ini", ini);
    Write("src/Top.bmp", top);
    Write("src/a_button.BMP", btn);
    Write("src/readme.txt", B("not packed"));
    ASSERT_EQ(Run("pack " + Path("src") + " " + Path("blue.skn")), 0) << Output();

    core::TSkinReader reader;
    ASSERT_TRUE(reader.Open(Read("blue.skn")));
    ASSERT_EQ(reader.EntryCount(), 3u);
    EXPECT_EQ(reader.Names()[0], "blue.ini");
    EXPECT_EQ(reader.Names()[1], "a_button.bmp");
    EXPECT_EQ(reader.Names()[2], "top.bmp");

    ASSERT_EQ(Run("unpack " + Path("blue.skn") + " " + Path("back")), 0) << Output();
    EXPECT_EQ(Read("back/blue.ini"), ini);
    EXPECT_EQ(Read("back/top.bmp"), top);
    EXPECT_EQ(Read("back/a_button.bmp"), btn);
    EXPECT_FALSE(fs::exists(Path("back/readme.txt")));
}

TEST_F(SkinpackTest, EncodeAndDecodeRoundTripAnyBytes) {
    Bytes data = codec_test::Text(120000, 11);
    Write("data.bin", data);
    ASSERT_EQ(Run("encode " + Path("data.bin") + " " + Path("data.skn")), 0) << Output();
    EXPECT_EQ(core::DecodeSkinFile(Read("data.skn")), data);
    ASSERT_EQ(Run("decode " + Path("data.skn") + " " + Path("data.out")), 0) << Output();
    EXPECT_EQ(Read("data.out"), data);
}

TEST_F(SkinpackTest, BadInputGivesAMessageAndStatusTwo) {
    EXPECT_EQ(Run(""), 2);
    EXPECT_EQ(Run("frobnicate a b"), 2);
    EXPECT_EQ(Run("pack onlyone"), 2);
    EXPECT_EQ(Run("pack " + Path("nowhere") + " " + Path("x.skn")), 2);
    EXPECT_NE(Output(), "");

    Write("two/a.ini", B("[a]"));
    Write("two/b.ini", B("[b]"));
    EXPECT_EQ(Run("pack " + Path("two") + " " + Path("x.skn")), 2);
    Write("case/a.ini", B("[a]"));
    Write("case/Top.bmp", B("BM1"));
    Write("case/TOP.bmp", B("BM2"));
    EXPECT_EQ(Run("pack " + Path("case") + " " + Path("x.skn")), 2);
    Write("none/a.bmp", B("BM"));
    EXPECT_EQ(Run("pack " + Path("none") + " " + Path("x.skn")), 2);
    EXPECT_FALSE(fs::exists(Path("x.skn")));

    EXPECT_EQ(Run("decode " + Path("missing.skn") + " " + Path("x.out")), 2);
    Write("tiny.skn", Bytes{1, 0});
    EXPECT_EQ(Run("decode " + Path("tiny.skn") + " " + Path("x.out")), 2);
    // A skin file cut in half is reported, not written out as if whole.
    Bytes whole = core::EncodeSkinFile(codec_test::Text(50000, 12));
    Write("cut.skn", Bytes(whole.begin(), whole.begin() + whole.size() / 2));
    EXPECT_EQ(Run("decode " + Path("cut.skn") + " " + Path("x.out")), 2);
    EXPECT_FALSE(fs::exists(Path("x.out")));
    // A skin file holding something other than a skin archive.
    Write("notskin.skn", core::EncodeSkinFile(B("hello, world")));
    EXPECT_EQ(Run("unpack " + Path("notskin.skn") + " " + Path("o")), 2);
}

TEST_F(SkinpackTest, UnpackRefusesEntryNamesThatLeaveTheFolder) {
    for (const char* name : {"../escape.bmp", "sub/x.bmp", "..", "c:x.bmp", "a\\b.bmp"}) {
        Bytes archive = core::BuildSkinArchive({{"ok.ini", B("[a]")}, {name, B("evil")}});
        Write("evil.skn", core::EncodeSkinFile(archive));
        EXPECT_EQ(Run("unpack " + Path("evil.skn") + " " + Path("o/inner")), 2) << name;
        EXPECT_FALSE(fs::exists(Path("o/escape.bmp"))) << name;
        EXPECT_FALSE(fs::exists(Path("o/inner/ok.ini"))) << "nothing is written: " << name;
    }
}

}  // namespace
