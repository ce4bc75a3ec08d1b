// The skin component of the clock window: loading a stored SkinStream value, the program
// without a skin resource, and the SKINSTREAM resource that the build links into clock.exe.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_environment_win.h"
#include "win/ui/form.h"
#include "win/win_test_support.h"

namespace {

core::Bytes Text(const std::string& s) {
    return core::Bytes(s.begin(), s.end());
}

core::Bytes StreamValue(const core::Bytes& archive) {
    return core::WriteSkinStreamValue(core::EncodeSkinFile(archive));
}

TEST(SkinDataComponent, DefaultsAndLoadingAStoredValue) {
    wintest::RecordingMessageBox boxes;
    ui::TComponent owner(nullptr);
    auto* skin = new skin::TSkinData(&owner);
    EXPECT_FALSE(skin->Active()) << "the stored form description switches it on";
    EXPECT_EQ(skin->DisableTag(), 99);
    EXPECT_EQ(skin->ClassName(), "TSkinData");
    EXPECT_EQ(skin->SkinControls(), core::DefaultSkinControls());
    EXPECT_EQ(skin->Options(), (core::TSkinOptions{core::xoPreview, core::xoToolbarBK}));
    EXPECT_EQ(skin->SkinClasses().size(), 117u);
    EXPECT_EQ(skin->SkinFormtype(), core::sfMainform);
    EXPECT_EQ(skin->Version(), "1.0.0");
    EXPECT_TRUE(skin->MenuUpdate());
    EXPECT_FALSE(skin->MenuMerge());
    EXPECT_EQ(skin->ExtraSwitches(), 0x3FF);
    EXPECT_TRUE(skin->Data().NoSkin());

    const core::Bytes value = StreamValue(core::BuildSkinArchive(
        {{"a.ini", Text("[TitlebarSkin]\nSkinName=Component Skin\n[Personality]\nTop=t.bmp\n")},
         {"t.bmp", core::EncodeBmp24(core::Bitmap(12, 8, 0x102030))}}));
    core::Bytes withTail = value;
    withTail.push_back(0x55);  // the next stored property follows the value
    EXPECT_EQ(skin->LoadSkinStream(withTail.data(), withTail.size()), value.size());
    ASSERT_FALSE(skin->Data().NoSkin());
    EXPECT_EQ(skin->Data().SkinName(), "Component Skin");
    EXPECT_EQ(skin->Data().Border(2).Picture.width, 12);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(SkinDataComponent, CutOrRefusedValuesLeaveNoSkin) {
    wintest::RecordingMessageBox boxes;
    skin::TSkinData skin(nullptr);
    const core::Bytes value =
        StreamValue(core::BuildSkinArchive({{"a.ini", Text("[TitlebarSkin]\nSkinName=X\n")}}));
    EXPECT_THROW(skin.LoadSkinStream(value.data(), value.size() - 1), core::StreamError);
    EXPECT_TRUE(skin.Data().NoSkin());

    // An archive of an older format is refused with the text shown in a message box.
    core::Bytes old = core::BuildSkinArchive({{"a.ini", Text("[x]")}});
    core::PutU32(old.data(), 10000);
    const core::Bytes oldValue = StreamValue(old);
    skin.LoadSkinStream(oldValue.data(), oldValue.size());
    EXPECT_TRUE(skin.Data().NoSkin());
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_NE(boxes.calls[0].text.find("Older Skin File"), std::string::npos);
}

// Skin colours that name system colours follow the running system's scheme, not a table.
TEST(SkinDataComponent, SystemColoursComeFromTheSystem) {
    skin::TSkinData skin(nullptr);
    int differ = 0;
    for (int i = 0; i <= core::kColor3DLight; ++i) {
        EXPECT_EQ(core::ResolveColour(core::SystemColour(i)), ::GetSysColor(i)) << i;
        differ += core::DefaultSystemColour(i) != ::GetSysColor(i);
    }
    EXPECT_GT(differ, 0) << "this system's scheme is not the built-in one";
}

#ifdef HAS_PROGRAM_ART
TEST(SkinDataComponent, MenuGlyphsAndTheIconAreThePrograms) {
    ui::TForm owner(nullptr);
    auto* skin = new skin::TSkinData(&owner);
    EXPECT_EQ(skin->MenuGlyphs().width, 64);
    EXPECT_EQ(skin->MenuGlyphs().height, 16);
    EXPECT_EQ(skin->MenuGlyphs().At(0, 0), core::kMagenta) << "transparent ground";
    owner.DoCreate();  // loaded: the application's small icon is drawn
    EXPECT_EQ(skin->AppIconBitmap().width, ::GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(skin->AppIconBitmap().At(0, 0), core::kMagenta);
    const int c = skin->AppIconBitmap().width / 2;
    EXPECT_NE(skin->AppIconBitmap().At(c, c), core::kMagenta);
    // The tracks a skin without "Track" objects falls back on.
    EXPECT_EQ(skin::LoadBitmapResource("TRACK").width, 24);
    EXPECT_EQ(skin::LoadBitmapResource("TRACKVERT").height, 24);
}
#endif

// The test program carries no SKINSTREAM resource: nothing is loaded and nothing is shown.
TEST(SkinDataComponent, MissingResourceIsNoSkinWithoutMessage) {
    wintest::RecordingMessageBox boxes;
    skin::TSkinData skin(nullptr);
    EXPECT_FALSE(skin.LoadSkinResource());
    EXPECT_TRUE(skin.Data().NoSkin());
    EXPECT_TRUE(boxes.calls.empty());
}

#ifdef CLOCK_HAS_SKIN_STREAM
// clock.exe from the same build carries our default skin, and it decodes.
TEST(SkinDataComponent, ClockExecutableCarriesTheDefaultSkin) {
    const std::string exe = wintest::BinFolder() + "clock.exe";
    HMODULE module = ::LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << exe;
    std::unique_ptr<HINSTANCE__, decltype(&::FreeLibrary)> hold(module, &::FreeLibrary);
    HRSRC info = ::FindResourceA(module, "SKINSTREAM", MAKEINTRESOURCEA(10));
    ASSERT_NE(info, nullptr);
    EXPECT_GT(::SizeofResource(module, info), 4u);

    wintest::RecordingMessageBox boxes;
    skin::TSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadSkinResource(module));
    EXPECT_EQ(skin.Data().SkinName(), "Clear Morning");
    EXPECT_NE(skin.Data().Find("MenuItem"), nullptr);
    EXPECT_TRUE(boxes.calls.empty());
}
#endif

}  // namespace
