// The release package as a Windows user gets it (scripts/package.sh writes it): its list of
// files, its programs (32-bit, GUI or console as intended, system libraries only, the version
// of the VERSION file), and a sample and a skin that the carried tools accept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/app/clock_design.h"
#include "core/common/file_io.h"
#include "core/support/run_command.h"
#include "support/pe_image.h"

namespace {

namespace fs = std::filesystem;
using testsupport::RunCommand;
using testsupport::ShellQuoted;

std::string Version() {
    std::ifstream in(std::string(SOURCE_DIR) + "/VERSION");
    std::string line;
    std::getline(in, line);
    return line;
}

std::vector<unsigned char> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Tool(const std::string& name) {
    return ShellQuoted(std::string(TOOLS_BIN_DIR) + "/" + name);
}

// The package unpacked once for all tests, as the user unpacks it.
class Package : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        version_ = Version();
        zip_ = std::string(SOURCE_DIR) + "/build/dist/DeskClock-" + version_ + "-win32.zip";
        unpacked_ = fs::path(::testing::TempDir()) / ("package_" + std::to_string(::getpid()));
        fs::remove_all(unpacked_);
        fs::create_directories(unpacked_);
        RunCommand("unzip -q " + ShellQuoted(zip_) + " -d " + ShellQuoted(unpacked_.string()));
    }
    static void TearDownTestSuite() { fs::remove_all(unpacked_); }

    void SetUp() override {
        ASSERT_TRUE(fs::exists(zip_)) << zip_ << " is missing: scripts/package.sh makes it";
    }
    static fs::path Top() { return unpacked_ / ("DeskClock-" + version_); }

    static std::string version_, zip_;
    static fs::path unpacked_;
};
std::string Package::version_, Package::zip_;
fs::path Package::unpacked_;

TEST_F(Package, HoldsExactlyTheFilesOfTheRelease) {
    EXPECT_EQ(RunCommand("unzip -tqq " + ShellQuoted(zip_)).status, 0) << "a damaged zip";
    const std::string top = "DeskClock-" + version_ + "/";
    std::set<std::string> files, skin;
    std::string listing = RunCommand("unzip -Z1 " + ShellQuoted(zip_)).output;
    for (size_t start = 0, end; (end = listing.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string name = listing.substr(start, end - start);
        ASSERT_EQ(name.rfind(top, 0), 0u) << name << " lies outside the package's folder";
        if (name.back() == '/')
            continue;
        if (name.rfind(top + "skin/", 0) == 0)
            skin.insert(name.substr(top.size() + 5));
        else
            files.insert(name.substr(top.size()));
    }
    const std::set<std::string> want{
        "README.txt",      "SampleClock.exe", "SampleClock.clk",        "clockdesign.exe",
        "skinpack.exe",    "alarmtool.exe",   "sample/SampleClock.ini", "sample/face.bmp",
        "sample/chime.wav"};
    EXPECT_EQ(files, want);
    EXPECT_TRUE(skin.count("Default.ini"));
    for (const std::string& name : skin)
        EXPECT_TRUE(name == "Default.ini" || fs::path(name).extension() == ".bmp") << name;
    EXPECT_GT(skin.size(), 5u) << "the default skin's pictures";
}

TEST_F(Package, ProgramsAre32BitWithSystemLibrariesAndTheVersion) {
    const std::set<std::string> system{"kernel32.dll", "user32.dll",  "gdi32.dll",   "advapi32.dll",
                                       "msvcrt.dll",   "shell32.dll", "ole32.dll",   "oleaut32.dll",
                                       "comctl32.dll", "winmm.dll",   "version.dll", "comdlg32.dll",
                                       "msimg32.dll",  "psapi.dll"};
    const struct {
        const char* name;
        uint16_t subsystem;
    } programs[] = {{"SampleClock.exe", pe::kSubsystemGui},
                    {"clockdesign.exe", pe::kSubsystemConsole},
                    {"skinpack.exe", pe::kSubsystemConsole},
                    {"alarmtool.exe", pe::kSubsystemConsole}};
    for (const auto& program : programs) {
        SCOPED_TRACE(program.name);
        const pe::Image image(ReadBytes(Top() / program.name));
        ASSERT_TRUE(image.Valid());
        EXPECT_EQ(image.Machine(), pe::kMachineI386);
        EXPECT_EQ(image.OptionalMagic(), pe::kOptionalPe32);
        EXPECT_EQ(image.Subsystem(), program.subsystem);
        const std::set<std::string> imports = image.ImportedLibraries();
        EXPECT_TRUE(imports.count("kernel32.dll")) << "the import table was not read";
        for (const std::string& library : imports)
            EXPECT_TRUE(system.count(library)) << library << " does not come with Windows";
        EXPECT_EQ(image.FileVersion(), version_ + ".0");
    }
}

TEST_F(Package, ReadmeIsForNotepadAndNamesTheVersion) {
    const std::vector<unsigned char> text = ReadBytes(Top() / "README.txt");
    ASSERT_FALSE(text.empty());
    const std::string readme(text.begin(), text.end());
    EXPECT_EQ(readme.rfind("Desk Clock " + version_ + "\r\n", 0), 0u);
    for (size_t i = 0; i < text.size(); ++i)
        ASSERT_TRUE(text[i] != '\n' || (i > 0 && text[i - 1] == '\r')) << "a bare line feed";
    for (const char* name : {"SampleClock.exe", "clockdesign", "skinpack", "alarmtool"})
        EXPECT_NE(readme.find(name), std::string::npos) << name;
}

TEST_F(Package, TheSampleClockNamesItsDesignAndTheWorkedExampleRebuildsIt) {
    EXPECT_EQ(core::DesignFileName(core::ReadExeTrailer((Top() / "SampleClock.exe").string())),
              "SampleClock.clk");
    const std::string design = (Top() / "SampleClock.clk").string();
    testsupport::CommandResult dump =
        RunCommand(Tool("clockdesign") + " dump " + ShellQuoted(design) + " 2>&1");
    ASSERT_EQ(dump.status, 0) << dump.output;
    EXPECT_NE(dump.output.find("ClockName=Sample Clock"), std::string::npos) << dump.output;

    // The README's steps: pack the carried sources, get the shipped design byte for byte.
    const fs::path rebuilt = unpacked_ / "rebuilt.clk";
    testsupport::CommandResult pack =
        RunCommand(Tool("clockdesign") + " pack " +
                   ShellQuoted((Top() / "sample" / "SampleClock.ini").string()) + " " +
                   ShellQuoted(rebuilt.string()) + " 2>&1");
    ASSERT_EQ(pack.status, 0) << pack.output;
    EXPECT_TRUE(ReadBytes(rebuilt) == ReadBytes(design));
}

TEST_F(Package, TheDefaultSkinsSourcesPackIntoASkinTheToolAccepts) {
    const fs::path skin = unpacked_ / "Mine.skin";
    testsupport::CommandResult pack =
        RunCommand(Tool("skinpack") + " pack " + ShellQuoted((Top() / "skin").string()) + " " +
                   ShellQuoted(skin.string()) + " 2>&1");
    ASSERT_EQ(pack.status, 0) << pack.output;
    testsupport::CommandResult check =
        RunCommand(Tool("skinpack") + " check " + ShellQuoted(skin.string()) + " 2>&1");
    EXPECT_EQ(check.status, 0) << check.output;
}

}  // namespace
