// GDI+ is started once for the whole test program, through the bound entry
// point, as the theme start-up will do in the program.
#include <gtest/gtest.h>

#include "gdiplus/object.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;  // version 1, no callback
        ULONG_PTR token = 0;
        ASSERT_EQ(GDIP_DECLARED(GdiplusStartup, ::Gdiplus::GdiplusStartup)(&token, &input, nullptr), Gdiplus::Ok);
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
