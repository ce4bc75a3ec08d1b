#include "core/common/file_io.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "core/common/bytes.h"
#include "core/common/errors.h"
#include "core/support/scratch_folder.h"

namespace {

std::string TempPath(const char* name) {
    return std::string(::testing::TempDir()) + name;
}

TEST(FixedText, EndsAtZeroOrFieldEnd) {
    uint8_t f[4] = {'a', 'b', 0, 'z'};
    EXPECT_EQ(core::GetFixedText(f, 4), "ab");
    uint8_t full[3] = {'x', 'y', 'z'};
    EXPECT_EQ(core::GetFixedText(full, 3), "xyz");
    uint8_t out[4] = {9, 9, 9, 9};
    EXPECT_TRUE(core::PutFixedText(out, 4, "ab"));
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(out[3], 9) << "bytes after the terminator keep their old value";
    EXPECT_FALSE(core::PutFixedText(out, 4, "abcdef"));
    EXPECT_EQ(core::GetFixedText(out, 4), "abcd");
}

TEST(LittleEndian, RoundTripsEveryWidth) {
    uint8_t b[8];
    core::PutU16(b, 0xBEEF);
    EXPECT_EQ(b[0], 0xEF);
    EXPECT_EQ(core::GetU16(b), 0xBEEF);
    core::PutI32(b, -2);
    EXPECT_EQ(core::GetU32(b), 0xFFFFFFFEu);
    EXPECT_EQ(core::GetI32(b), -2);
    core::PutF64(b, 45000.75);
    EXPECT_EQ(core::GetF64(b), 45000.75);
}

TEST(FileIo, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    const std::string path = TempPath("atomic.bin");
    const uint8_t first[] = {1, 2, 3, 4, 5};
    const uint8_t second[] = {9, 8};
    core::WriteFileAtomic(path, first, sizeof first);
    core::WriteFileAtomic(path, second, sizeof second);
    EXPECT_EQ(core::ReadWholeFile(path), core::Bytes({9, 8}));
    EXPECT_FALSE(core::FileExists(path + ".new"));
    std::remove(path.c_str());
}

TEST(FileIo, FailuresCarryTheUserTexts) {
    const std::string missing = TempPath("no-such-dir/x.bin");
    try {
        core::ReadWholeFile(missing);
        FAIL() << "no error";
    } catch (const core::FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + missing + "\". ", 0), 0u);
    }
    const uint8_t b[] = {1};
    try {
        core::WriteFileAtomic(missing, b, 1);
        FAIL() << "no error";
    } catch (const core::FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + missing + "\". ", 0), 0u);
    }
}

TEST(FileIo, PathParts) {
    EXPECT_EQ(core::FolderOf("C:\\a\\b.exe"), "C:\\a\\");
    EXPECT_EQ(core::FileNameOf("C:\\a\\b.exe"), "b.exe");
    EXPECT_EQ(core::FolderOf("b.exe"), "");
    EXPECT_EQ(core::FileNameOf("/x/y"), "y");
}

namespace atomic_writes {

namespace fs = std::filesystem;

class AtomicWrite : public testsupport::ScratchFolderTest {};

// Writers at once each use a temporary of their own: none fails, the file is always one whole
// version, and no temporary stays.
TEST_F(AtomicWrite, WritersAtOnceNeverShareATemporary) {
    const std::string path = Path("Alarm.sav");
    std::atomic<int> failures{0};
    auto writer = [&](uint8_t fill) {
        const core::Bytes data(700, fill);
        for (int i = 0; i < 150; ++i) {
            try {
                core::WriteFileAtomic(path, data.data(), data.size());
            } catch (const core::AppError&) {
                ++failures;
            }
        }
    };
    std::thread a(writer, 'a'), b(writer, 'b');
    a.join();
    b.join();
    EXPECT_EQ(failures, 0);
    const core::Bytes now = core::ReadWholeFile(path);
    EXPECT_TRUE(now == core::Bytes(700, 'a') || now == core::Bytes(700, 'b'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicWrite, RemovesTemporariesOfWritersThatDiedAndKeepsTheLivingOnes) {
    struct Case {
        std::string name;
        bool removed;
    } cases[] = {
        {"Alarm.sav.new", true},                                         // the old shared name
        {"Alarm.sav.2147483646-3.new", true},                            // no such process
        {"Alarm.sav." + std::to_string(::getppid()) + "-1.new", false},  // still writing
        {"Alarm.sav.x-1.new", false},                                    // not one of ours
        {"Other.sav.2147483646-1.new", false},
    };
    for (const Case& c : cases)
        Write(c.name, "left over");
    const uint8_t byte = 1;
    core::WriteFileAtomic(Path("Alarm.sav"), &byte, 1);
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(Path(c.name)), !c.removed) << c.name;
}

TEST_F(AtomicWrite, TheStampChangesWithEveryWriteAndMatchesWhatWasWritten) {
    const std::string path = Path("f");
    const uint8_t data[3] = {1, 2, 3};
    EXPECT_FALSE(core::StampOf(path).exists);
    const core::FileStamp first = core::WriteFileAtomic(path, data, 3);
    EXPECT_EQ(core::StampOf(path), first);
    EXPECT_EQ(first.size, 3u);
    // Same bytes, same size, within the same clock tick: still another file.
    const core::FileStamp second = core::WriteFileAtomic(path, data, 3);
    EXPECT_NE(second, first);
    EXPECT_EQ(core::StampOf(path), second);
}

TEST_F(AtomicWrite, ReadsAreBoundedAndNameTheFile) {
    Write("big", std::string(2000, 'x'));
    fs::create_directory(Path("folder"));
    const struct {
        std::string path;
        std::string text;
    } cases[] = {
        {Path("big"), "\"" + Path("big") + "\" is 2000 bytes, more than a test file can be (1000)"},
        {Path("folder"), "Cannot read file \"" + Path("folder") + "\". Is a directory"},
        {Path("none"), "Cannot open file \"" + Path("none") + "\". No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            core::ReadWholeFile(c.path, 1000, "test file");
            ADD_FAILURE() << c.path;
        } catch (const core::FileError& e) {
            EXPECT_EQ(e.what(), c.text);
        }
    }
    EXPECT_EQ(core::ReadWholeFile(Path("big"), 2000, "test file").size(), 2000u);
}

}  // namespace atomic_writes

}  // namespace
