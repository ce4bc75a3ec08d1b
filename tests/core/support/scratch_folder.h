#pragma once
// A fresh folder per test under the test temp folder, removed when the test ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/common/file_io.h"

namespace testsupport {

class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::path(::testing::TempDir()) /
               (std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        core::WriteWholeFile(Path(name), reinterpret_cast<const uint8_t*>(text.data()),
                             text.size());
    }

    std::filesystem::path dir_;
};

}  // namespace testsupport
