#include "core/common/file_io.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/common/bytes.h"
#include "core/common/errors.h"

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

}  // namespace
