// The core's file seam on Windows: replacing an existing file must work (a plain rename does not
// replace on Windows) and the error texts must carry the system's reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace {

std::string TempFolder() {
    char buf[MAX_PATH];
    GetTempPathA(MAX_PATH, buf);
    return buf;
}

TEST(WinFileSystem, AtomicWriteReplacesAnExistingFile) {
    const std::string path = TempFolder() + "clock_atomic_test.bin";
    const uint8_t a[] = {1, 2, 3};
    const uint8_t b[] = {7};
    core::WriteFileAtomic(path, a, sizeof a);
    core::WriteFileAtomic(path, b, sizeof b);
    EXPECT_EQ(core::ReadWholeFile(path), core::Bytes({7}));
    EXPECT_FALSE(core::FileExists(path + ".new"));
    EXPECT_TRUE(core::DeleteFileAt(path));
    EXPECT_FALSE(core::FileExists(path));
}

TEST(WinFileSystem, MissingFileGivesTheSystemReason) {
    const std::string path = TempFolder() + "no such folder\\x.sav";
    try {
        core::ReadWholeFile(path);
        FAIL() << "no error";
    } catch (const core::FileError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.rfind("Cannot open file \"" + path + "\". ", 0), 0u) << text;
        EXPECT_GT(text.size(), path.size() + 20) << "the system's reason is missing: " << text;
        EXPECT_NE(text.back(), '\n');
    }
}

TEST(WinFileSystem, FoldersAreNotFiles) {
    EXPECT_FALSE(core::FileExists(TempFolder()));
}

}  // namespace
