// Runs `skinpack check` on skins made here and on our default skin, made by our own tools.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/common/bitmap.h"
#include "core/common/file_io.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"
#include "core/support/scratch_folder.h"

namespace {

core::Bytes Text(const std::string& s) {
    return core::Bytes(s.begin(), s.end());
}

class SkinpackCheck : public testsupport::ScratchFolderTest {
  protected:
    int Run(const std::string& tool, const std::string& args) const {
        const std::string cmd = std::string(TOOLS_BIN_DIR) + "/" + tool + " " + args + " >" +
                                Path("out.txt") + " 2>" + Path("err.txt");
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Read(const std::string& name) const {
        const core::Bytes b = core::ReadWholeFile(Path(name));
        return std::string(b.begin(), b.end());
    }
    // The check output, parsed by our own ini reader.
    core::TQuickIni Report() const {
        core::TQuickIni ini;
        ini.Load(core::ReadWholeFile(Path("out.txt")));
        return ini;
    }
    void WriteSkin(const std::string& name, const core::Bytes& archive) const {
        const core::Bytes file = core::EncodeSkinFile(archive);
        core::WriteWholeFile(Path(name), file.data(), file.size());
    }
};

TEST_F(SkinpackCheck, PrintsObjectsColoursAndCaptionButtons) {
    WriteSkin("t.skin",
              core::BuildSkinArchive(
                  {{"t.ini",
                    Text("[TitlebarSkin]\nSkinName=Test Skin\n[Personality]\nTop=top.bmp\n"
                         "TopFrame=2\n[Colours]\nButtonFace=1,2,3\n[Button0]\nButtonImage=b.bmp\n"
                         "Action=0\nAlign=1\nXcoord=30\n[Progress]\nBitmap=b.bmp\nStyle=4\n")},
                   {"top.bmp", core::EncodeBmp24(core::Bitmap(30, 40, 0x808080))},
                   {"b.bmp", core::EncodeBmp24(core::Bitmap(60, 20, 0))}}));
    ASSERT_EQ(Run("skinpack", "check " + Path("t.skin")), 0) << Read("err.txt");
    const core::TQuickIni r = Report();
    EXPECT_EQ(r.ReadString("Skin", "SkinName", ""), "Test Skin");
    EXPECT_EQ(r.ReadInteger("Top", "Width", -1), 30);
    EXPECT_EQ(r.ReadInteger("Top", "Height", -1), 40);
    EXPECT_EQ(r.ReadInteger("Top", "Frame", -1), 2);
    EXPECT_EQ(r.ReadInteger("Top", "Tile", -1), 1);
    EXPECT_EQ(r.ReadInteger("Left", "Width", -1), 0);
    EXPECT_EQ(r.ReadInteger("Buttons", "Frame", -1), 5);
    EXPECT_EQ(r.ReadInteger("Title", "Frame", -1), 2);
    EXPECT_EQ(r.ReadInteger("Progress", "Style", -1), 4);
    EXPECT_EQ(r.ReadInteger("Progress", "Frame", -1), 1);
    EXPECT_EQ(r.ReadInteger("Toolbar", "Height", -1), 40);
    EXPECT_EQ(r.ReadString("MenuItem", "Width", "absent"), "absent");
    EXPECT_EQ(r.ReadString("Colours", "ButtonFace", ""), "1 2 3");
    EXPECT_EQ(r.ReadString("Colours", "Menubar", ""), "1 2 3");
    EXPECT_EQ(r.ReadString("Colours", "WindowText", ""), "system 8");
    EXPECT_EQ(r.ReadString("Button 0", "Name", ""), "BUTTON0");
    EXPECT_EQ(r.ReadInteger("Button 0", "Xcoord", -1), 30);
    EXPECT_EQ(r.ReadInteger("Button 0", "Frame", -1), 3);
    EXPECT_EQ(r.ReadInteger("Button 0", "Width", -1), 60);
    EXPECT_EQ(r.ReadInteger("Button 3", "Action", -1), 9);
    EXPECT_EQ(r.ReadString("Button 4", "Name", "absent"), "absent");
}

TEST_F(SkinpackCheck, BadInputFailsWithStatusTwoNamingTheFileAndTheFault) {
    const core::Bytes picture = core::EncodeBmp24(core::Bitmap(8, 4, 0x808080));
    const core::Bytes whole = core::EncodeSkinFile(core::BuildSkinArchive(
        {{"a.ini", Text("[Personality]\nTop=top.bmp\n")}, {"top.bmp", picture}}));
    core::WriteWholeFile(Path("half.skin"), whole.data(), whole.size() / 2);
    Write("junk.skin", "this is not a skin, not at all");
    core::Bytes old = core::BuildSkinArchive({{"a.ini", Text("[x]")}});
    core::PutU32(old.data(), 10000);
    WriteSkin("old.skin", old);
    WriteSkin("broken.skin", core::BuildSkinArchive(
                                 {{"a.ini", Text("[Personality]\nTop=top.bmp\n"
                                                 "[Progress]\nBitmap=gone.bmp\n")},
                                  {"top.bmp", core::Bytes(picture.begin(), picture.end() - 40)}}));
    core::Bytes names = core::BuildSkinArchive({{"a.ini", Text("[x]")}});
    core::PutU32(&names[4], 100000);
    names.insert(names.begin() + 16, 100000 - 5, '\n');
    names.insert(names.end(), 4 * 100000, 0);
    WriteSkin("names.skin", names);
    core::Bytes tiny(20, 0);
    core::PutU32(tiny.data(), 60u << 20);  // 60 MB from 16 bytes: padding, not a skin
    core::WriteWholeFile(Path("tiny.skin"), tiny.data(), tiny.size());
    std::ofstream(Path("huge.skin")).close();
    std::filesystem::resize_file(Path("huge.skin"), uint64_t(4) << 30);  // sparse

    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"missing.skin", "Cannot open file \"" + Path("missing.skin") + "\""},
        {"half.skin", "\"" + Path("half.skin") + "\" is not a skin file: it is cut short"},
        {"junk.skin", "\"" + Path("junk.skin") + "\" is not a skin file: it declares"},
        {"tiny.skin", "is not a skin file: it declares 62914560 bytes, more than its 16 bytes"},
        {"old.skin", "is not a readable skin: the archive's version is 10000, not 20000"},
        {"broken.skin", "[Personality] Top=top.bmp: "},
        {"broken.skin", "[Progress] Bitmap=gone.bmp: no such entry in the archive"},
        {"names.skin", "is not a readable skin: it names 99996 entries, more than 4096"},
        {"huge.skin", "is 4294967296 bytes, more than a skin file can be"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("skinpack", "check " + Path(c.file)), 2) << c.file;
        EXPECT_NE(Read("err.txt").find(c.message), std::string::npos) << Read("err.txt");
        EXPECT_TRUE(Read("out.txt").empty()) << c.file;
    }
    for (const char* file : {"half.skin", "junk.skin", "huge.skin"}) {
        EXPECT_EQ(Run("skinpack", "decode " + Path(file) + " " + Path("out.bin")), 2) << file;
        EXPECT_NE(Read("err.txt").find(Path(file)), std::string::npos) << Read("err.txt");
    }
    EXPECT_EQ(Run("skinpack", "check"), 2);
}

// Our default skin, drawn by skinart from assets/skin/Default.ini: every picture the
// definition names must exist and give the shapes the painters expect.
TEST_F(SkinpackCheck, DefaultSkinIsCompleteAndConsistent) {
    ASSERT_EQ(Run("skinart", Path("src")), 0) << Read("err.txt");
    const core::Bytes ini =
        core::ReadWholeFile(std::string(SOURCE_DIR) + "/assets/skin/Default.ini");
    core::WriteWholeFile(Path("src/Default.ini"), ini.data(), ini.size());
    ASSERT_EQ(Run("skinpack", "pack " + Path("src") + " " + Path("Default.skin")), 0)
        << Read("err.txt");
    ASSERT_EQ(Run("skinpack", "check " + Path("Default.skin")), 0) << Read("err.txt");
    const core::TQuickIni r = Report();

    std::vector<std::string> sections;
    r.ReadSections(sections);
    for (const char* name : {"Left",
                             "Right",
                             "Top",
                             "Bottom",
                             "Buttons",
                             "menuBar",
                             "ComboButton",
                             "SunkEdge",
                             "ExtraImages",
                             "MenuItem",
                             "MenuBackground",
                             "GroupBox",
                             "GroupBoxEdge",
                             "Tabs",
                             "Tab.Pane",
                             "Scrollbar",
                             "HorzScroll",
                             "VertScroll",
                             "HorzScrollThumb",
                             "VertScrollThumb",
                             "ComboxArrow"}) {
        EXPECT_GT(r.ReadInteger(name, "Width", 0), 0) << name << " has no picture";
        const int frames = r.ReadInteger(name, "Frame", 0);
        ASSERT_GT(frames, 0) << name;
        EXPECT_EQ(r.ReadInteger(name, "Width", 0) % frames, 0) << name << ": unequal frames";
    }
    // The four borders meet: the caption and the sides share their heights.
    EXPECT_EQ(r.ReadInteger("Top", "Height", 0) / 2, r.ReadInteger("Left", "TopHeight", 0));
    EXPECT_EQ(r.ReadInteger("Bottom", "Height", 0) / 2, r.ReadInteger("Left", "BottomHeight", 0));
    EXPECT_EQ(r.ReadInteger("ComboButton", "Style", 0), 2);
    // Close, maximise, restore, minimise and the icon, then the three MDI buttons.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(r.ReadInteger("Button " + std::to_string(i), "Frame", 0), 4) << i;
    EXPECT_EQ(r.ReadInteger("Button 4", "Action", -1), 3);
    EXPECT_EQ(r.ReadInteger("Button 4", "Width", -1), 0);
    EXPECT_EQ(r.ReadInteger("Button 7", "Action", -1), 9);
    EXPECT_EQ(r.ReadString("Button 8", "Name", "absent"), "absent");
    EXPECT_EQ(r.ReadString("Colours", "ButtonFace", ""), "241 243 246");
}

}  // namespace
