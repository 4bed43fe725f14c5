#include <gtest/gtest.h>

#include <vector>

#include "drawing_fixtures.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/matrix.h"
#include "gdiplus/region.h"

namespace gdiplus {
namespace {

struct RegionTest : ::testing::Test {
    fixtures::Canvas canvas{4, 4};
    Matrix identity;
    void SetUp() override { ASSERT_TRUE(identity.CreateMatrix()); }

    void ExpectBounds(const Region& region, RectF expected) {
        RectF bounds = region.GetRegionBounds(canvas.graphics);
        EXPECT_FLOAT_EQ(bounds.x, expected.x);
        EXPECT_FLOAT_EQ(bounds.y, expected.y);
        EXPECT_FLOAT_EQ(bounds.width, expected.width);
        EXPECT_FLOAT_EQ(bounds.height, expected.height);
    }
};

struct CombineCase {
    int mode;  // -1: omitted
    RectF bounds;
    bool overlapVisible;  // (7, 5) lies in both rectangles
    bool leftVisible;     // (2, 5) only in the first
};

// (0,0,10,10) combined with (5,0,10,10).
TEST_F(RegionTest, CombineModes) {
    const CombineCase cases[] = {
        {-1, {5, 0, 5, 10}, true, false},  // omitted intersects
        {Gdiplus::CombineModeReplace, {5, 0, 10, 10}, true, false},
        {Gdiplus::CombineModeIntersect, {5, 0, 5, 10}, true, false},
        {Gdiplus::CombineModeUnion, {0, 0, 15, 10}, true, true},
        {Gdiplus::CombineModeXor, {0, 0, 15, 10}, false, true},
        {Gdiplus::CombineModeExclude, {0, 0, 5, 10}, false, true},
        {Gdiplus::CombineModeComplement, {10, 0, 5, 10}, false, false},
    };
    for (const CombineCase& c : cases) {
        SCOPED_TRACE(c.mode);
        for (bool integer : {false, true}) {
            Region region;
            ASSERT_TRUE(region.CreateRegionRect({0, 0, 10, 10}));
            bool ok = integer ? (c.mode < 0 ? region.CombineRegionRectI({5, 0, 10, 10})
                                            : region.CombineRegionRectI({5, 0, 10, 10}, c.mode))
                              : (c.mode < 0 ? region.CombineRegionRect({5, 0, 10, 10})
                                            : region.CombineRegionRect({5, 0, 10, 10}, c.mode));
            ASSERT_TRUE(ok);
            ExpectBounds(region, c.bounds);
            EXPECT_EQ(region.IsVisibleRegionPoint({7, 5}), c.overlapVisible);
            EXPECT_EQ(region.IsVisibleRegionPointI({2, 5}, &canvas.graphics), c.leftVisible);
        }
    }
}

TEST_F(RegionTest, CombineWithRegionsAndPaths) {
    Region other;
    ASSERT_TRUE(other.CreateRegionRectI({5, 0, 10, 10}));
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({0, 0, 10, 10}));
    ASSERT_TRUE(region.CombineRegionRegion(other));  // omitted: intersect
    ExpectBounds(region, {5, 0, 5, 10});

    GraphicsPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangle(0, 20, 4, 4));
    ASSERT_TRUE(region.CombineRegionPath(path, Gdiplus::CombineModeUnion));
    ExpectBounds(region, {0, 0, 10, 24});

    Region fromPath;
    ASSERT_TRUE(fromPath.CreateRegionPath(path));
    ExpectBounds(fromPath, {0, 20, 4, 4});
}

TEST_F(RegionTest, InfiniteEmptyAndEquality) {
    Region region;
    ASSERT_TRUE(region.CreateRegion());
    EXPECT_TRUE(region.IsInfiniteRegion(canvas.graphics));
    EXPECT_FALSE(region.IsEmptyRegion(canvas.graphics));
    ASSERT_TRUE(region.SetEmpty());
    EXPECT_TRUE(region.IsEmptyRegion(canvas.graphics));
    ASSERT_TRUE(region.SetInfinite());
    EXPECT_TRUE(region.IsInfiniteRegion(canvas.graphics));

    Region a, b;
    ASSERT_TRUE(a.CreateRegionRectI({1, 2, 3, 4}));
    ASSERT_TRUE(b.CreateRegionRect({1, 2, 3, 4}));
    EXPECT_TRUE(a.IsEqualRegion(b, canvas.graphics));
    ASSERT_TRUE(b.TranslateRegionI(1, 0));
    EXPECT_FALSE(a.IsEqualRegion(b, canvas.graphics));
    ASSERT_TRUE(b.TranslateRegion(-1.0f, 0.0f));
    EXPECT_TRUE(a.IsEqualRegion(b, canvas.graphics));

    EXPECT_TRUE(a.IsVisibleRegionRect({0, 0, 2, 3}));
    EXPECT_FALSE(a.IsVisibleRegionRectI({5, 7, 2, 2}, &canvas.graphics));
}

TEST_F(RegionTest, TransformCloneAndGdiRegions) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({1, 1, 2, 2}));
    Matrix scale;
    ASSERT_TRUE(scale.CreateMatrix2(3, 0, 0, 3, 0, 0));
    ASSERT_TRUE(region.TransformRegion(scale));
    ExpectBounds(region, {3, 3, 6, 6});

    Region clone;
    ASSERT_TRUE(region.CloneRegion(clone));
    EXPECT_NE(clone.GetHandle(), region.GetHandle());
    EXPECT_TRUE(clone.IsEqualRegion(region, canvas.graphics));
    Rect bounds = clone.GetRegionBoundsI(canvas.graphics);
    EXPECT_EQ(bounds.x, 3);
    EXPECT_EQ(bounds.width, 6);

    HRGN hrgn = region.GetRegionHRgn(canvas.graphics);
    ASSERT_NE(hrgn, nullptr);
    RECT box = {};
    GetRgnBox(hrgn, &box);
    EXPECT_EQ(box.left, 3);
    EXPECT_EQ(box.right, 9);
    Region fromHrgn;
    ASSERT_TRUE(fromHrgn.CreateRegionHrgn(hrgn));
    DeleteObject(hrgn);
    EXPECT_TRUE(fromHrgn.IsEqualRegion(region, canvas.graphics));
}

TEST_F(RegionTest, DataRoundTrip) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({1, 2, 3, 4}));
    ASSERT_TRUE(region.CombineRegionRectI({10, 10, 2, 2}, Gdiplus::CombineModeUnion));
    int size = region.GetRegionDataSize();
    ASSERT_GT(size, 0);
    int filled = 0;
    ByteBlock data = region.GetRegionData(size, &filled);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::Ok);
    EXPECT_EQ(filled, size);
    ASSERT_EQ(data.size(), static_cast<std::size_t>(size));
    ByteBlock unasked = region.GetRegionData(size);
    EXPECT_EQ(unasked, data);

    Region copy;
    ASSERT_TRUE(copy.CreateRegionRgnData(data, size));
    EXPECT_TRUE(copy.IsEqualRegion(region, canvas.graphics));

    // A size beyond the block reaches GDI+ as the block's own length.
    Region oversized;
    EXPECT_TRUE(oversized.CreateRegionRgnData(data, size + 4096));
    EXPECT_TRUE(oversized.IsEqualRegion(region, canvas.graphics));
    Region none;
    EXPECT_FALSE(none.CreateRegionRgnData({}, 0));
    EXPECT_EQ(none.GetHandle(), nullptr);
}

TEST_F(RegionTest, DataIntoTooSmallABuffer) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({1, 2, 3, 4}));
    ByteBlock none = region.GetRegionData(0);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    ByteBlock some = region.GetRegionData(4);
    EXPECT_EQ(some.size(), 4u);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InsufficientBuffer);
}

TEST_F(RegionTest, Scans) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRectI({1, 2, 3, 4}));
    ASSERT_TRUE(region.CombineRegionRectI({10, 10, 2, 2}, Gdiplus::CombineModeUnion));
    EXPECT_EQ(region.GetRegionScansCount(identity), 2);
    std::vector<RectF> rects(7);
    ASSERT_EQ(region.GetRegionScans(identity, rects), 2);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_FLOAT_EQ(rects[0].x, 1);
    EXPECT_FLOAT_EQ(rects[0].height, 4);
    EXPECT_FLOAT_EQ(rects[1].x, 10);
    EXPECT_FLOAT_EQ(rects[1].width, 2);

    Matrix shift;
    ASSERT_TRUE(shift.CreateMatrix2(1, 0, 0, 1, 100, 0));
    std::vector<Rect> rectsI;
    ASSERT_EQ(region.GetRegionScansI(shift, rectsI), 2);
    EXPECT_EQ(rectsI[1].x, 110);
    EXPECT_EQ(rectsI[1].y, 10);
}

TEST_F(RegionTest, ScansOfAnEmptyRegion) {
    Region region;
    ASSERT_TRUE(region.CreateRegion());
    ASSERT_TRUE(region.SetEmpty());
    std::vector<RectF> rects(2);
    EXPECT_EQ(region.GetRegionScans(identity, rects), 0);
    EXPECT_TRUE(rects.empty());
}

// Failures leave the caller's array and return zeros.
TEST_F(RegionTest, EmptyWrapper) {
    Region region;
    LastGdiStatus = 99;
    EXPECT_FALSE(region.DeleteRegion());
    EXPECT_EQ(LastGdiStatus.load(), 99);  // no call made

    RectF bounds = region.GetRegionBounds(canvas.graphics);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(bounds.x, 0.0f);
    EXPECT_EQ(bounds.width, 0.0f);
    EXPECT_EQ(bounds.height, 0.0f);
    std::vector<RectF> rects(2);
    EXPECT_EQ(region.GetRegionScans(identity, rects), 0);
    EXPECT_EQ(rects.size(), 2u);
    EXPECT_FALSE(region.CombineRegionRect({0, 0, 1, 1}));
    EXPECT_EQ(region.GetRegionHRgn(canvas.graphics), nullptr);
}

}  // namespace
}  // namespace gdiplus
