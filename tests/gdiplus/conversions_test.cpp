#include <gtest/gtest.h>

#include <cstring>

#include "gdiplus/conversions.h"

namespace gdiplus {
namespace {

TEST(TextToWide, CountsCharactersNotBytes) {
    struct Case {
        TextValue text;
        std::wstring wide;
    };
    for (const Case& c : {Case{"", L""}, Case{"abc", L"abc"},
                          Case{"文件夹密锁", L"\u6587\u4ef6\u5939\u5bc6\u9501"}}) {
        std::wstring wide = TextToWide(c.text);
        EXPECT_EQ(wide, c.wide);
        EXPECT_EQ(wide.c_str()[wide.size()], L'\0');
    }
    EXPECT_EQ(TextToWide("文件").size(), 2u);  // four GBK bytes
}

// The conversion back must use the same code page, or non-ASCII names
// read back from GDI+ come out corrupted.
TEST(WideToText, RoundTripsAnsiText) {
    for (const char* text : {"", "Tahoma", "宋体", "微软雅黑 Bold", "照片 2024"}) {
        EXPECT_EQ(WideToText(TextToWide(text).c_str()), text);
    }
    EXPECT_EQ(WideToText(L"\u5b8b\u4f53"), "\xcb\xce\xcc\xe5");
    EXPECT_EQ(WideToText(nullptr), "");
}

TEST(GuidText, RegistryFormUpperCaseAndBack) {
    const GUID jpeg = {0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    TextValue text = GuidToText(jpeg);
    EXPECT_EQ(text, "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}");
    EXPECT_EQ(text.size(), 38u);
    EXPECT_TRUE(IsEqualGUID(TextToGuid(text), jpeg));
    EXPECT_TRUE(IsEqualGUID(TextToGuid("{b96b3cae-0728-11d3-9d7b-0000f81ef32e}"), jpeg));
    EXPECT_EQ(GuidToText(GUID{}), "{00000000-0000-0000-0000-000000000000}");
}

TEST(GuidText, NonGuidTextGivesZeroGuid) {
    const GUID zero = {};
    for (const char* text : {"", "hello", "{B96B3CAE-0728-11D3-9D7B}", "B96B3CAE-0728-11D3-9D7B-0000F81EF32E",
                             "{B96B3CAE-0728-11D3-9D7B-0000F81EF32G}", "Paint.Picture"}) {
        SCOPED_TRACE(text);
        GUID guid = TextToGuid(text);
        EXPECT_EQ(std::memcmp(&guid, &zero, sizeof(GUID)), 0);
    }
}

}  // namespace
}  // namespace gdiplus
