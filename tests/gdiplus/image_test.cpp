#include <gtest/gtest.h>

#include <cstring>

#include "gdiplus/bitmap.h"
#include "gdiplus/cached_bitmap.h"
#include "image_fixtures.h"

namespace gdiplus {
namespace {

using namespace fixtures;

ByteBlock Encoded(const TextValue& format, int width = 4, int height = 3) {
    Bitmap checker;
    MakeChecker(checker, width, height);
    return checker.SaveImageToBytes(format);
}

TEST(ImageLoading, FromBytesAndFilesInEachFormat) {
    for (const TextValue& format : {kPng, kJpeg, kBmp}) {
        SCOPED_TRACE(format);
        ByteBlock bytes = Encoded(format);
        Image fromBytes;
        ASSERT_TRUE(fromBytes.LoadImageFromBytes(bytes));
        // The image keeps its own copy: the caller's block may go at once.
        std::fill(bytes.begin(), bytes.end(), 0);
        bytes.clear();
        EXPECT_EQ(fromBytes.GetImageWidth(), 4);
        EXPECT_EQ(fromBytes.GetImageHeight(), 3);
        EXPECT_EQ(fromBytes.GetImageRawFormat(), format);
        EXPECT_EQ(fromBytes.GetImageType(), Gdiplus::ImageTypeBitmap);
        EXPECT_EQ(fromBytes.NativeImage(), fromBytes.GetHandle());

        std::string file = TempFile("load.img");
        ASSERT_TRUE(fromBytes.SaveImageToFile(file));
        Image fromFile;
        ASSERT_TRUE(fromFile.LoadImageFromFile(file));
        EXPECT_EQ(fromFile.GetImageRawFormat(), format);
        SizeF size = fromFile.GetImageDimension();
        EXPECT_EQ(size.width, 4.0f);
        EXPECT_EQ(size.height, 3.0f);
        int unit = -1;
        RectF bounds = fromFile.GetImageBounds(&unit);
        EXPECT_EQ(unit, Gdiplus::UnitPixel);
        EXPECT_EQ(bounds.width, 4.0f);
        EXPECT_EQ(bounds.height, 3.0f);
        fromFile.DisposeImage();
        DeleteFileA(file.c_str());
    }
}

TEST(ImageLoading, BytesThatAreNoImage) {
    Image image;
    EXPECT_FALSE(image.LoadImageFromBytes({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}));
    EXPECT_NE(LastGdiStatus.load(), 0);
    EXPECT_EQ(image.GetHandle(), nullptr);
    LastGdiStatus = 42;
    EXPECT_FALSE(image.DisposeImage());
    EXPECT_EQ(LastGdiStatus.load(), 42);
    // The same wrapper loads a real image afterwards.
    EXPECT_TRUE(image.LoadImageFromBytes(Encoded(kPng)));
    EXPECT_FALSE(image.LoadImageFromFile(TempFile("missing.png")));
    EXPECT_EQ(image.GetHandle(), nullptr);
}

TEST(ImageLoading, QueriesOnAnEmptyImageGiveZeroAndTheStatus) {
    Image empty;
    EXPECT_EQ(empty.GetImageRawFormat(), GuidToText(GUID{}));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    LastGdiStatus = 0;
    EXPECT_EQ(empty.GetImageWidth(), 0);
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    std::vector<int> ids = {1, 2};
    EXPECT_EQ(empty.GetPropertyIdList(ids), 0);
    EXPECT_EQ(ids, (std::vector<int>{1, 2}));  // first call failed: unchanged
}

TEST(ImageLoading, DisposeTwice) {
    Image image;
    ASSERT_TRUE(image.LoadImageFromBytes(Encoded(kPng)));
    EXPECT_TRUE(image.DisposeImage());
    EXPECT_EQ(image.GetHandle(), nullptr);
    EXPECT_EQ(image.NativeImage(), nullptr);
    EXPECT_FALSE(image.DisposeImage());
}

TEST(ImageFrames, AnimatedGifFramesAndDelays) {
    Image gif;
    ASSERT_TRUE(gif.LoadImageFromBytes(MakeThreeFrameGif({10, 20, 35})));
    EXPECT_EQ(gif.GetImageRawFormat(), kGif);

    std::vector<TextValue> dimensions = {"old", "old"};
    ASSERT_TRUE(gif.ImageGetFrameDimensionsList(dimensions));
    EXPECT_EQ(dimensions, std::vector<TextValue>{kFrameDimensionTime});
    EXPECT_EQ(gif.ImageGetFrameCount(kFrameDimensionTime), 3);

    std::vector<int> delays = {99};
    ASSERT_TRUE(gif.GetFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<int>{10, 20, 35}));

    // Frame colours: red, green, blue.
    Bitmap frames;
    ASSERT_TRUE(frames.CreateBitmapFromBytes(MakeThreeFrameGif({10, 20, 35})));
    const Argb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    for (int i = 2; i >= 0; --i) {
        ASSERT_TRUE(frames.ImageSelectActiveFrame(kFrameDimensionTime, i));
        EXPECT_EQ(frames.BitmapGetPixel(1, 1), colours[i]) << i;
    }
    EXPECT_FALSE(frames.ImageSelectActiveFrame(kFrameDimensionTime, 3));
}

TEST(ImageFrames, StillImageHasNoDelays) {
    Image png;
    ASSERT_TRUE(png.LoadImageFromBytes(Encoded(kPng)));
    std::vector<int> delays = {7};
    EXPECT_FALSE(png.GetFrameDelays(delays));
    EXPECT_EQ(delays, std::vector<int>{7});
}

TEST(ImageProperties, IdListAndItemsOfAGif) {
    Image gif;
    ASSERT_TRUE(gif.LoadImageFromBytes(MakeThreeFrameGif({10, 20, 30})));
    std::vector<int> ids;
    int count = gif.GetPropertyIdList(ids);
    ASSERT_EQ(count, static_cast<int>(ids.size()));
    EXPECT_NE(std::find(ids.begin(), ids.end(), kFrameDelayTag), ids.end());

    PropertyItem item;
    ASSERT_TRUE(gif.GetPropertyItem(kFrameDelayTag, item));
    EXPECT_EQ(item.id, kFrameDelayTag);
    EXPECT_EQ(item.length, 12u);
    EXPECT_EQ(item.type & 0xFFFF, 4);  // LONG
    EXPECT_EQ(item.value, (ByteBlock{10, 0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0}));

    PropertyItem untouched;
    untouched.length = 5;
    EXPECT_FALSE(gif.GetPropertyItem(0x9999, untouched));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::PropertyNotFound);
    EXPECT_EQ(untouched.length, 5u);
}

TEST(ImageProperties, ImageWithoutPropertiesGivesAnEmptyList) {
    Image png;
    ASSERT_TRUE(png.LoadImageFromBytes(Encoded(kPng)));
    std::vector<int> ids = {1, 2, 3};
    EXPECT_EQ(png.GetPropertyIdList(ids), 0);
    EXPECT_TRUE(ids.empty());
}

// Exif tags of a JPEG: description "dotlock" and orientation 6. Wine's
// decoder reads no Exif from JPEG and reports no properties at all; Windows
// reports both tags.
TEST(ImageProperties, JpegWithExif) {
    Image jpeg;
    ASSERT_TRUE(jpeg.LoadImageFromBytes(WithExif(Encoded(kJpeg))));
    EXPECT_EQ(jpeg.GetImageRawFormat(), kJpeg);
    EXPECT_EQ(jpeg.GetImageWidth(), 4);
    std::vector<int> ids;
    int count = jpeg.GetPropertyIdList(ids);
    EXPECT_EQ(count, static_cast<int>(ids.size()));
    if (count > 0) {
        PropertyItem description, orientation;
        ASSERT_TRUE(jpeg.GetPropertyItem(0x010E, description));
        EXPECT_EQ(description.value, (ByteBlock{'d', 'o', 't', 'l', 'o', 'c', 'k', 0}));
        ASSERT_TRUE(jpeg.GetPropertyItem(0x0112, orientation));
        EXPECT_EQ(orientation.value, (ByteBlock{6, 0}));
    }
}

// Wine's GdipSetPropertyItem answers Ok without storing the item and its
// GdipRemovePropertyItem is unimplemented (6); the statuses come through.
TEST(ImageProperties, SetAndRemovePassStatusThrough) {
    Bitmap bitmap;
    MakeChecker(bitmap);
    PropertyItem item;
    item.id = 0x010E;
    item.type = 2;
    item.value = {'a', 'b', 0};
    item.length = 3;
    LastGdiStatus = 42;
    EXPECT_TRUE(bitmap.SetPropertyItem(item));
    EXPECT_EQ(LastGdiStatus.load(), 0);
    bool removed = bitmap.RemovePropertyItem(0x010E);
    EXPECT_EQ(removed, LastGdiStatus.load() == 0);
    EXPECT_NE(LastGdiStatus.load(), 42);

    // A length beyond the value would make GDI+ read past it: refused.
    item.length = 4;
    EXPECT_FALSE(bitmap.SetPropertyItem(item));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(ImagePalette, EightBitImageReadAndWrite) {
    Bitmap indexed;
    ASSERT_TRUE(indexed.CreateBitmap(2, 2, PixelFormat8bppIndexed));
    ColorPalette palette;
    ASSERT_TRUE(indexed.GetImagePalette(palette));
    EXPECT_EQ(palette.count, 256u);
    EXPECT_EQ(palette.entries.size(), 256u);
    EXPECT_EQ(palette.entries[0], 0xFF000000u);

    ColorPalette mine;
    mine.flags = 0;
    mine.count = 3;
    mine.entries = {0xFF112233, 0xFF445566, 0xFF778899};
    ASSERT_TRUE(indexed.SetImagePalette(mine));
    ColorPalette back;
    ASSERT_TRUE(indexed.GetImagePalette(back));
    EXPECT_EQ(back.count, 3u);
    EXPECT_EQ(back.entries, mine.entries);

    mine.count = 4;  // more than the record holds: refused
    EXPECT_FALSE(indexed.SetImagePalette(mine));
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
}

TEST(ImageTransforms, RotateCloneThumbnail) {
    Image image;
    ASSERT_TRUE(image.LoadImageFromBytes(Encoded(kPng)));
    Image clone;
    ASSERT_TRUE(image.CloneImage(clone));
    EXPECT_NE(clone.GetHandle(), image.GetHandle());
    ASSERT_TRUE(image.ImageRotateFlip(Gdiplus::Rotate90FlipNone));
    EXPECT_EQ(image.GetImageWidth(), 3);
    EXPECT_EQ(image.GetImageHeight(), 4);
    EXPECT_EQ(clone.GetImageWidth(), 4);  // the clone is its own image

    Bitmap thumbnail;
    ASSERT_TRUE(clone.GetImageThumbnail(2, 2, thumbnail));
    EXPECT_EQ(thumbnail.NativeBitmap(), thumbnail.GetHandle());
    EXPECT_EQ(thumbnail.GetImageWidth(), 2);

    Image empty, target;
    EXPECT_FALSE(empty.CloneImage(target));
    EXPECT_EQ(target.GetHandle(), nullptr);
}

// A minimal graphics wrapper over a bitmap, for the calls that take one.
class BitmapGraphics : public GdiPlusObject {
public:
    explicit BitmapGraphics(Bitmap& bitmap) {
        Gdiplus::GpGraphics* graphics = nullptr;
        GDIP(GdipGetImageGraphicsContext)(bitmap.NativeImage(), &graphics);
        SetHandle(graphics);
    }
    ~BitmapGraphics() override { GDIP(GdipDeleteGraphics)(HandleOf<Gdiplus::GpGraphics>(*this)); }

protected:
    void OnHandleSet(void*) override {}
};

TEST(CachedBitmapTest, CreateDeleteAndDestroyWithoutRelease) {
    Bitmap surface, picture;
    ASSERT_TRUE(surface.CreateBitmap(8, 8));
    MakeChecker(picture);
    BitmapGraphics graphics(surface);
    ASSERT_NE(graphics.GetHandle(), nullptr);

    CachedBitmap cached;
    ASSERT_TRUE(cached.CreateCachedBitmap(picture, graphics));
    EXPECT_EQ(cached.NativeCachedBitmap(), cached.GetHandle());
    EXPECT_TRUE(cached.DeleteCachedBitmap());
    EXPECT_FALSE(cached.DeleteCachedBitmap());

    Gdiplus::GpCachedBitmap* survivor = nullptr;
    {
        CachedBitmap scoped;
        ASSERT_TRUE(scoped.CreateCachedBitmap(picture, graphics));
        survivor = scoped.NativeCachedBitmap();
    }
    // Destruction released nothing: the native object still draws.
    EXPECT_EQ(GDIP(GdipDrawCachedBitmap)(HandleOf<Gdiplus::GpGraphics>(graphics), survivor, 0, 0),
              Gdiplus::Ok);
    EXPECT_EQ(GDIP(GdipDeleteCachedBitmap)(survivor), Gdiplus::Ok);
}

}  // namespace
}  // namespace gdiplus
