#include <gtest/gtest.h>

#include <vector>

#include "gdiplus/string_format.h"

namespace gdiplus {
namespace {

TEST(StringFormatCreate, OmittedArgumentsGiveNoFlagsAndNearAlignment) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    EXPECT_EQ(format.GetStringFormatFlags(), 0);
    EXPECT_EQ(format.GetStringFormatAlign(), Gdiplus::StringAlignmentNear);
    EXPECT_EQ(format.GetStringFormatLineAlign(), Gdiplus::StringAlignmentNear);

    StringFormat flagged;
    ASSERT_TRUE(flagged.CreateStringFormat(Gdiplus::StringFormatFlagsNoWrap, 0x0804));
    EXPECT_EQ(flagged.GetStringFormatFlags(), Gdiplus::StringFormatFlagsNoWrap);
}

TEST(StringFormatCreate, GenericFormatsAndClone) {
    StringFormat generic, typographic;
    ASSERT_TRUE(generic.StringFormatGetGenericDefault());
    ASSERT_TRUE(typographic.StringFormatGetGenericTypographic());
    EXPECT_EQ(generic.GetStringFormatFlags(), 0);
    // The typographic format does not clip and fits black boxes.
    EXPECT_NE(typographic.GetStringFormatFlags() & Gdiplus::StringFormatFlagsNoClip, 0);

    ASSERT_TRUE(generic.SetStringFormatAlign(Gdiplus::StringAlignmentFar));
    StringFormat copy;
    ASSERT_TRUE(generic.CloneStringFormat(copy));
    EXPECT_NE(copy.GetHandle(), generic.GetHandle());
    EXPECT_EQ(copy.GetStringFormatAlign(), Gdiplus::StringAlignmentFar);
}

// Horizontal and vertical alignment get different values so a swap shows.
TEST(StringFormatSettings, ReadBack) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatFlags(Gdiplus::StringFormatFlagsNoWrap |
                                            Gdiplus::StringFormatFlagsDirectionVertical));
    ASSERT_TRUE(format.SetStringFormatAlign(Gdiplus::StringAlignmentCenter));
    ASSERT_TRUE(format.SetStringFormatLineAlign(Gdiplus::StringAlignmentFar));
    ASSERT_TRUE(format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisWord));
    ASSERT_TRUE(format.SetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefixShow));
    EXPECT_EQ(format.GetStringFormatFlags(),
              Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsDirectionVertical);
    EXPECT_EQ(format.GetStringFormatAlign(), Gdiplus::StringAlignmentCenter);
    EXPECT_EQ(format.GetStringFormatLineAlign(), Gdiplus::StringAlignmentFar);
    EXPECT_EQ(format.GetStringFormatTrimming(), Gdiplus::StringTrimmingEllipsisWord);
    EXPECT_EQ(format.GetStringFormatHotkeyPrefix(), Gdiplus::HotkeyPrefixShow);
}

// The flat function takes the language first; ours takes it last.
TEST(StringFormatSettings, DigitSubstitutionKeepsLanguageAndMethodApart) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatDigitSubstitution(Gdiplus::StringDigitSubstituteNational,
                                                        0x0804));
    int substitute = -1, language = -1;
    ASSERT_TRUE(format.GetStringFormatDigitSubstitution(substitute, &language));
    EXPECT_EQ(substitute, Gdiplus::StringDigitSubstituteNational);
    EXPECT_EQ(language, 0x0804);

    ASSERT_TRUE(format.SetStringFormatDigitSubstitution(Gdiplus::StringDigitSubstituteNone));
    ASSERT_TRUE(format.GetStringFormatDigitSubstitution(substitute));
    EXPECT_EQ(substitute, Gdiplus::StringDigitSubstituteNone);
}

TEST(StringFormatTabStops, RoundTrip) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    float first = -1;
    std::vector<float> stops = {7, 7, 7, 7, 7};
    // No tab stops yet: count 0 and an emptied array.
    EXPECT_EQ(format.GetStringFormatTabStops(first, stops), 0);
    EXPECT_TRUE(stops.empty());

    ASSERT_TRUE(format.SetStringFormatTabStops(5, {10, 20, 30}));
    stops = {1};
    ASSERT_EQ(format.GetStringFormatTabStops(first, stops), 3);
    EXPECT_FLOAT_EQ(first, 5);
    EXPECT_EQ(stops, (std::vector<float>{10, 20, 30}));

    // An empty array passes count 0 with no elements; GDI+ refuses it and
    // keeps the stops it had.
    EXPECT_FALSE(format.SetStringFormatTabStops(0, {}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(format.GetStringFormatTabStops(first, stops), 3);
}

TEST(StringFormatTabStops, FailedCountLeavesArgumentsAlone) {
    StringFormat empty;
    float first = 3;
    std::vector<float> stops = {1, 2};
    EXPECT_EQ(empty.GetStringFormatTabStops(first, stops), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_FLOAT_EQ(first, 3);
    EXPECT_EQ(stops, (std::vector<float>{1, 2}));
}

TEST(StringFormatRanges, CountFollowsTheArray) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 0);
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges({{0, 2}, {2, 1}, {3, 4}}));
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 3);
}

}  // namespace
}  // namespace gdiplus
