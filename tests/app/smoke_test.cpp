#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, AnsiCodePageIsGbk) { EXPECT_EQ(GetACP(), 936u); EXPECT_STREQ("文件", "\xce\xc4\xbc\xfe"); }
