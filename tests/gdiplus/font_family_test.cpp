#include <gtest/gtest.h>

#include <vector>

#include "gdiplus/font_family.h"

namespace gdiplus {
namespace {

// The program's two faces; the test prefix maps both to an installed font.
const TextValue kSimSun = "宋体";
const TextValue kYaHei = "微软雅黑";

TEST(FontFamilyCreate, ByNameAndGeneric) {
    for (const TextValue& name : {kSimSun, kYaHei}) {
        FontFamily family;
        ASSERT_TRUE(family.CreateFontFamilyFromName(name)) << LastGdiStatus.load();
        EXPECT_EQ(family.NativeFontFamily(), family.GetHandle());
        EXPECT_NE(family.GetFamilyName(), "");
        EXPECT_TRUE(family.DeleteFontFamily());
        EXPECT_FALSE(family.DeleteFontFamily());
    }
    using Creator = bool (FontFamily::*)();
    for (Creator create : {&FontFamily::GetGenericFontFamilySansSerif, &FontFamily::GetGenericFontFamilySerif,
                           &FontFamily::GetGenericFontFamilyMonospace}) {
        FontFamily family;
        // Generic families exist only when the prefix has a suitable font.
        if ((family.*create)()) {
            EXPECT_NE(family.GetFamilyName(), "");
            family.DeleteFontFamily();
        } else {
            EXPECT_EQ(LastGdiStatus.load(), Gdiplus::FontFamilyNotFound);
            EXPECT_EQ(family.GetHandle(), nullptr);
        }
    }
}

TEST(FontFamilyCreate, UnknownNameLeavesAFreshWrapperEmpty) {
    FontFamily family;
    EXPECT_FALSE(family.CreateFontFamilyFromName("No Such Family 123"));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::FontFamilyNotFound);
    EXPECT_EQ(family.GetHandle(), nullptr);
}

// A Chinese family name survives the trip to UTF-16 and back.
TEST(FontFamilyQueries, ChineseFamilyNameRoundTrip) {
    FontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName(kSimSun));
    TextValue name = family.GetFamilyName();
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
    FontFamily again;
    ASSERT_TRUE(again.CreateFontFamilyFromName(name)) << name;
    EXPECT_EQ(again.GetFamilyName(), name);
    FontFamily clone;
    ASSERT_TRUE(family.CloneFontFamily(clone));
    EXPECT_EQ(clone.GetFamilyName(), name);
    clone.DeleteFontFamily();
    again.DeleteFontFamily();
    family.DeleteFontFamily();
}

TEST(FontFamilyQueries, MetricsAndStyles) {
    FontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName(kSimSun));
    EXPECT_TRUE(family.IsStyleAvailable(Gdiplus::FontStyleRegular));
    int em = family.GetEmHeight(0);
    int ascent = family.GetCellAscent(0);
    int descent = family.GetCellDescent(0);
    int spacing = family.GetLineSpacing(0);
    EXPECT_GT(em, 0);
    EXPECT_GT(ascent, 0);
    EXPECT_GT(descent, 0);
    EXPECT_GE(spacing, ascent);
    EXPECT_LE(em, 65535);  // a 16-bit value, no garbage in the high half
    family.DeleteFontFamily();
}

TEST(FontFamilyQueries, EmptyWrapper) {
    FontFamily family;
    EXPECT_EQ(family.GetFamilyName(), "");
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(family.IsStyleAvailable(0));
    EXPECT_EQ(family.GetEmHeight(0), 0);
    FontFamily target;
    EXPECT_FALSE(family.CloneFontFamily(target));
    EXPECT_EQ(target.GetHandle(), nullptr);
}

// Destroying a family that still holds one releases nothing; the family
// stays usable through a copy of its handle.
TEST(FontFamilyQueries, DestroyReleasesNothing) {
    void* handle = nullptr;
    {
        FontFamily family;
        ASSERT_TRUE(family.CreateFontFamilyFromName(kSimSun));
        handle = family.GetHandle();
    }
    FontFamily again;
    again.SetHandle(handle);
    EXPECT_NE(again.GetFamilyName(), "");
    EXPECT_TRUE(again.DeleteFontFamily());
}

// The installed collection, which no wrapper method makes.
void UseInstalledCollection(FontCollection& collection) {
    Gdiplus::GpFontCollection* installed = nullptr;
    ASSERT_EQ(GDIP(GdipNewInstalledFontCollection)(&installed), Gdiplus::Ok);
    collection.SetHandle(installed);
}

TEST(FontCollectionList, MoreSlotsThanFamilies) {
    FontCollection collection;
    UseInstalledCollection(collection);
    int count = collection.GetFontCollectionFamilyCount();
    ASSERT_GT(count, 0);
    std::vector<FontFamily> families(1);
    int found = collection.GetFontCollectionFamilyList(count + 2, families);
    EXPECT_EQ(found, count);
    ASSERT_EQ(families.size(), static_cast<std::size_t>(count + 2));
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(families[i].GetFamilyName(), "") << i;
    }
    EXPECT_EQ(families[count].GetHandle(), nullptr);
    EXPECT_EQ(families[count + 1].GetHandle(), nullptr);
}

TEST(FontCollectionList, FewerSlotsThanFamilies) {
    FontCollection collection;
    UseInstalledCollection(collection);
    std::vector<FontFamily> families;
    EXPECT_EQ(collection.GetFontCollectionFamilyList(1, families), 1);
    ASSERT_EQ(families.size(), 1u);
    EXPECT_NE(families[0].GetHandle(), nullptr);
}

TEST(FontCollectionList, NoSlotsIsInvalidWithoutACall) {
    FontCollection collection;
    UseInstalledCollection(collection);
    std::vector<FontFamily> families(3);
    families[1].SetHandle(reinterpret_cast<void*>(0x1234));
    for (int sought : {0, -1}) {
        LastGdiStatus = 0;
        EXPECT_EQ(collection.GetFontCollectionFamilyList(sought, families), 0);
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
        ASSERT_EQ(families.size(), 3u);
        EXPECT_EQ(families[1].GetHandle(), reinterpret_cast<void*>(0x1234));
    }
    families[1].SetHandle(nullptr);
}

// An empty collection wrapper is not the installed fonts here: GDI+ refuses.
TEST(FontCollectionList, EmptyCollection) {
    FontCollection collection;
    EXPECT_EQ(collection.GetFontCollectionFamilyCount(), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    std::vector<FontFamily> families;
    EXPECT_EQ(collection.GetFontCollectionFamilyList(2, families), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    ASSERT_EQ(families.size(), 2u);
    EXPECT_EQ(families[0].GetHandle(), nullptr);
}

}  // namespace
}  // namespace gdiplus
