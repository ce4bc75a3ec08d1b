#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/common/bitmap.h"
#include "core/common/bytes.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_file.h"

namespace {

core::Bytes Text(const std::string& s) {
    return core::Bytes(s.begin(), s.end());
}

// A skin file holding a definition and one picture, made with our own archive writer.
core::Bytes MakeSkinFile(const std::string& ini, const std::string& iniName = "Skin.ini") {
    std::vector<core::SkinArchiveEntry> entries;
    entries.push_back({"readme.txt", Text("[Personality]\nTop=pic.bmp\n")});
    entries.push_back({iniName, Text(ini)});
    entries.push_back({"Pic.bmp", core::EncodeBmp24(core::Bitmap(12, 8, 0x00FF00))});
    return core::EncodeSkinFile(core::BuildSkinArchive(entries));
}

TEST(SkinLoad, ReadsTheFirstIniEntryAndItsPictures) {
    core::TSkinData d;
    EXPECT_TRUE(d.NoSkin());
    d.SetSkinFileBytes(MakeSkinFile("[TitlebarSkin]\nSkinName=T\n[MenuItem]\nImage=PIC.bmp\n"));
    d.LoadSkinFromStream();
    EXPECT_FALSE(d.NoSkin());
    EXPECT_EQ(d.SkinName(), "T");
    ASSERT_NE(d.Find("MenuItem"), nullptr);
    EXPECT_EQ(d.Find("MenuItem")->Picture.width, 12);
    EXPECT_TRUE(d.Border(2).Picture.Empty()) << "the text entry without .ini is not read";
}

TEST(SkinLoad, RefusedOrDamagedSkinsLeaveTheNoSkinMark) {
    std::vector<std::string> shown;
    core::SkinEnvironment env;
    env.showMessage = [&](const std::string& t) { shown.push_back(t); };
    core::TSkinData d(env);
    d.SetSkinFileBytes(MakeSkinFile("[TitlebarSkin]\nSkinName=Good\n"));
    d.LoadSkinFromStream();
    ASSERT_FALSE(d.NoSkin());

    core::Bytes archive = core::BuildSkinArchive({{"a.ini", Text("[x]")}});
    core::PutU32(archive.data(), 19999);
    d.SetSkinFileBytes(core::EncodeSkinFile(archive));
    d.LoadSkinFromStream();
    EXPECT_TRUE(d.NoSkin());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "This is Older Skin File\rPlease update to new version !");

    for (const core::Bytes& bad :
         {core::Bytes{}, core::Bytes{1, 2}, core::Bytes{0xFF, 0xFF, 0xFF, 0x7F, 1},
          core::Bytes{16, 0, 0, 0, 0xAA, 0x55, 0x12}}) {
        d.SetSkinFileBytes(bad);
        EXPECT_NO_THROW(d.LoadSkinFromStream());
        EXPECT_TRUE(d.NoSkin());
    }
}

TEST(SkinProperty, StoredValueRoundTripsAndZeroMeansNoSkin) {
    core::TSkinData d;
    const core::Bytes file = MakeSkinFile("[TitlebarSkin]\nSkinName=Stored\n");
    const core::Bytes value = core::WriteSkinStreamValue(file);
    EXPECT_EQ(d.ReadSkinProperty(value.data(), value.size()), value.size());
    EXPECT_FALSE(d.NoSkin()) << "reading the property loads the skin at once";
    EXPECT_EQ(d.SkinName(), "Stored");
    EXPECT_EQ(d.WriteSkinProperty(), value);

    core::TSkinData empty;
    const core::Bytes zero = {0, 0, 0, 0};
    EXPECT_EQ(empty.ReadSkinProperty(zero.data(), zero.size()), 4u);
    EXPECT_TRUE(empty.NoSkin());
    EXPECT_EQ(empty.WriteSkinProperty(), zero);

    core::Bytes cut = value;
    cut.resize(cut.size() - 1);
    core::TSkinData other;
    EXPECT_THROW(other.ReadSkinProperty(cut.data(), cut.size()), core::StreamError);
}

TEST(SkinProperty, DesigningHoldsTheSkinWithoutLoadingIt) {
    core::TSkinData d;
    d.Designing = true;
    EXPECT_EQ(d.SkinStore(), "(none)");
    const core::Bytes value = core::WriteSkinStreamValue(MakeSkinFile("[x]\n"));
    d.ReadSkinProperty(value.data(), value.size());
    EXPECT_TRUE(d.NoSkin());
    EXPECT_EQ(d.SkinStore(), "(Good)");
    d.SetSkinStore("anything");
    d.SetVersion("9");
    EXPECT_EQ(d.Version(), "1.0.0");
    d.SetSkinFile("whatever.skin");
    EXPECT_EQ(d.SkinStore(), "(none)") << "naming a file while designing drops the held skin";
}

TEST(SkinFile, MissingFileChangesNothingExistingFileLoadsAndApplies) {
    core::TSkinData d;
    d.SetSkinFileBytes(MakeSkinFile("[TitlebarSkin]\nSkinName=Held\n"));
    d.LoadSkinFromStream();
    int applied = 0;
    d.OnSkinLoaded = [&] { ++applied; };
    d.SetSkinFile(std::string(::testing::TempDir()) + "no_such_skin.skin");
    EXPECT_EQ(d.SkinName(), "Held");
    EXPECT_EQ(applied, 0);

    const std::string path = std::string(::testing::TempDir()) + "skin_data_stream_test.skin";
    const core::Bytes file = MakeSkinFile("[TitlebarSkin]\nSkinName=FromDisk\n");
    core::WriteWholeFile(path, file.data(), file.size());
    d.SetSkinFile(path);
    EXPECT_EQ(d.SkinFile(), path);
    EXPECT_EQ(d.SkinName(), "FromDisk");
    EXPECT_EQ(d.SkinFileBytes(), file);
    EXPECT_EQ(applied, 1);
    std::remove(path.c_str());
}

}  // namespace
