// One application object for the whole Windows test binary, as in the program.
#include <gtest/gtest.h>

#include "win/ui/application.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new ui::TApplication(); }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

  private:
    ui::TApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
