// Runs `skinpack stream`, which makes the SkinStream value the clock carries as a resource.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/common/bytes.h"
#include "core/common/file_io.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_file.h"
#include "core/support/scratch_folder.h"

namespace {

class SkinpackStream : public testsupport::ScratchFolderTest {
  protected:
    int Run(const std::string& args) const {
        const std::string cmd = std::string(TOOLS_BIN_DIR) + "/skinpack " + args + " >" +
                                Path("out.txt") + " 2>" + Path("err.txt");
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Err() const {
        const core::Bytes b = core::ReadWholeFile(Path("err.txt"));
        return std::string(b.begin(), b.end());
    }
};

TEST_F(SkinpackStream, ValueCarriesTheSkinFileAndLoads) {
    const std::string ini = "[TitlebarSkin]\nSkinName=Stream Skin\n";
    const core::Bytes file = core::EncodeSkinFile(
        core::BuildSkinArchive({{"s.ini", core::Bytes(ini.begin(), ini.end())}}));
    core::WriteWholeFile(Path("s.skin"), file.data(), file.size());
    ASSERT_EQ(Run("stream " + Path("s.skin") + " " + Path("s.bin")), 0) << Err();

    const core::Bytes value = core::ReadWholeFile(Path("s.bin"));
    ASSERT_EQ(value.size(), file.size() + 4);
    EXPECT_EQ(core::GetU32(value.data()), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), value.begin() + 4));

    core::TSkinData skin;
    EXPECT_EQ(skin.ReadSkinProperty(value.data(), value.size()), value.size());
    ASSERT_FALSE(skin.NoSkin());
    EXPECT_EQ(skin.SkinName(), "Stream Skin");
}

TEST_F(SkinpackStream, RefusesMissingOrEmptyInputAndKeepsNoOutput) {
    EXPECT_EQ(Run("stream " + Path("missing.skin") + " " + Path("o.bin")), 2);
    EXPECT_NE(Err().find("missing.skin"), std::string::npos);
    core::WriteWholeFile(Path("empty.skin"), nullptr, 0);
    EXPECT_EQ(Run("stream " + Path("empty.skin") + " " + Path("o.bin")), 2);
    EXPECT_NE(Err().find("is empty"), std::string::npos);
    EXPECT_FALSE(core::FileExists(Path("o.bin")));
    EXPECT_EQ(Run("stream " + Path("empty.skin")), 2);
}

}  // namespace
