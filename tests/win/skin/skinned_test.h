#pragma once
// The fixture of the control skins' Windows tests.
#include <gtest/gtest.h>

#include <memory>

#include "win/skin/skin_test_support.h"

namespace skintest {

// Tests of skinned windows: the default skin running on a host, and the mouse put back in the
// corner afterwards.
class SkinnedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<SkinHost>();
        ASSERT_TRUE(host_->Loaded()) << "the default skin from clock.exe";
    }
    void TearDown() override {
        MouseTo(0, 0);
        host_.reset();
    }
    const core::TSkinData& Skin() const { return host_->Skin(); }

    std::unique_ptr<SkinHost> host_;
};

}  // namespace skintest
