#include <gtest/gtest.h>

#include <vector>

#include "drawing_fixtures.h"

namespace gdiplus {
namespace {

using namespace fixtures;

// An enhanced metafile with one rectangle, loaded as an image.
void MakeMetafile(Image& metafile) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    Rectangle(dc, 0, 0, 20, 10);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    UINT size = GetEnhMetaFileBits(emf, 0, nullptr);
    ByteBlock bytes(size);
    GetEnhMetaFileBits(emf, size, bytes.data());
    DeleteEnhMetaFile(emf);
    ASSERT_TRUE(metafile.LoadImageFromBytes(bytes));
}

struct Playback {
    int records = 0;
    bool sawRectangle = false;
};

BOOL CALLBACK CountRecord(Gdiplus::EmfPlusRecordType type, UINT, UINT, const BYTE*, VOID* data) {
    auto* playback = static_cast<Playback*>(data);
    ++playback->records;
    playback->sawRectangle = playback->sawRectangle || type == Gdiplus::EmfRecordTypeRectangle;
    return TRUE;
}

// Each record reaches the callback with the callback data. Wine raises an
// exception in the point variants (DestPoint, DestPoints and their SrcRect
// forms), so only the rectangle forms are played back here.
TEST(GraphicsMetafile, RectangleFormsPlayEveryRecordToTheCallback) {
    Image metafile;
    MakeMetafile(metafile);
    using Play = bool (*)(Graphics&, const Image&, Playback&);
    const Play plays[] = {
        [](Graphics& g, const Image& m, Playback& p) {
            return g.EnumerateMetafileDestRect(m, RectF{0, 0, 20, 10}, CountRecord, &p);
        },
        [](Graphics& g, const Image& m, Playback& p) {
            return g.EnumerateMetafileDestRectI(m, Rect{0, 0, 20, 10}, CountRecord, &p);
        },
        [](Graphics& g, const Image& m, Playback& p) {
            return g.EnumerateMetafileSrcRectDestRect(m, RectF{0, 0, 20, 10}, RectF{0, 0, 20, 10},
                                                      Gdiplus::UnitPixel, CountRecord, &p);
        },
        [](Graphics& g, const Image& m, Playback& p) {
            return g.EnumerateMetafileSrcRectDestRectI(m, Rect{0, 0, 20, 10}, Rect{0, 0, 20, 10}, Gdiplus::UnitPixel,
                                                       CountRecord, &p);
        },
    };
    int index = 0;
    for (Play play : plays) {
        SCOPED_TRACE(index++);
        Canvas canvas(30, 20);
        Playback playback;
        ASSERT_TRUE(play(canvas.graphics, metafile, playback)) << LastGdiStatus.load();
        EXPECT_GT(playback.records, 1);
        EXPECT_TRUE(playback.sawRectangle);
    }
}

TEST(GraphicsMetafile, EmptyMetafileWrapperIsInvalid) {
    Image none;
    Canvas canvas(4, 4);
    Playback playback;
    EXPECT_FALSE(canvas.graphics.EnumerateMetafileDestRect(none, RectF{0, 0, 4, 4}, CountRecord, &playback));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(playback.records, 0);
}

}  // namespace
}  // namespace gdiplus
