// The skin's module state is set up and the theme started once for the whole
// test program, as the program does before its first window.
#include <gtest/gtest.h>

#include "skin/module.h"

namespace {

class SkinEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        skin::SetUpSkinModule();
        skin::ThemeStartup();
    }
    void TearDown() override { skin::CleanUpSkinModule(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SkinEnvironment);

}  // namespace
