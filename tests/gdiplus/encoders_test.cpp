#include <gtest/gtest.h>

#include <cstring>

#include "gdiplus/bitmap.h"
#include "image_fixtures.h"

namespace gdiplus {
namespace {

using namespace fixtures;

TEST(ImageEncoders, ListHoldsTheCommonFormatsWithTheirFields) {
    std::vector<ImageCodecInfo> encoders(1);
    encoders[0].codecName = "stale";
    int count = GetImageEncoders(encoders);
    ASSERT_EQ(count, static_cast<int>(encoders.size()));
    struct Case {
        TextValue format;
        const char* mime;
        const char* extension;
    };
    for (const Case& c : {Case{kPng, "image/png", "*.PNG"}, Case{kJpeg, "image/jpeg", "*.JPG"},
                          Case{kBmp, "image/bmp", "*.BMP"}, Case{kGif, "image/gif", "*.GIF"},
                          Case{kTiff, "image/tiff", "*.TIF"}}) {
        SCOPED_TRACE(c.mime);
        auto it = std::find_if(encoders.begin(), encoders.end(),
                               [&](const ImageCodecInfo& e) { return e.formatId == c.format; });
        ASSERT_NE(it, encoders.end());
        EXPECT_EQ(it->mimeType, c.mime);
        EXPECT_NE(it->filenameExtension.find(c.extension), std::string::npos) << it->filenameExtension;
        EXPECT_EQ(it->clsid.size(), 38u);
        EXPECT_TRUE(IsEqualGUID(TextToGuid(it->clsid), TextToGuid(it->clsid)));
        EXPECT_NE(it->clsid, GuidToText(GUID{}));
        EXPECT_FALSE(it->codecName.empty());
        EXPECT_FALSE(it->formatDescription.empty());
        EXPECT_NE(it->flags & 1, 0);  // ImageCodecFlagsEncoder
        EXPECT_GT(it->sigCount, 0);
        EXPECT_EQ(it->sigPattern.size(), static_cast<std::size_t>(it->sigCount * it->sigSize));
        EXPECT_EQ(it->sigMask.size(), it->sigPattern.size());
        EXPECT_EQ(GetEncoderClsid(c.format), it->clsid);
    }
}

TEST(ImageEncoders, ClsidLookupIsExactAndCaseSensitive) {
    TextValue lower = kPng;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char ch) { return std::tolower(ch); });
    for (const TextValue& format : {TextValue(), lower, kMemoryBmp, kEmf}) {
        SCOPED_TRACE(format);
        EXPECT_EQ(GetEncoderClsid(format), "");
    }
}

// Encode, write, reload: the pixels of lossless formats come back exactly.
TEST(ImageSaving, BytesAndFilesRoundTrip) {
    Bitmap checker;
    MakeChecker(checker);
    struct Case {
        TextValue format;
        bool lossless;
    };
    // GIF is left out: Wine's GIF encoder writes a header without image data
    // for a 32-bit bitmap (GifSavesAsGif covers a paletted one).
    for (const Case& c : {Case{kPng, true}, Case{kBmp, true}, Case{kTiff, true}, Case{kJpeg, false}}) {
        SCOPED_TRACE(c.format);
        ByteBlock bytes = checker.SaveImageToBytes(c.format);
        EXPECT_EQ(LastGdiStatus.load(), 0);
        ASSERT_GT(bytes.size(), 8u);
        std::string file = TempFile("roundtrip.img");
        ASSERT_TRUE(checker.SaveImageToFile(file, c.format));

        Bitmap fromBytes, fromFile;
        ASSERT_TRUE(fromBytes.CreateBitmapFromBytes(bytes));
        ASSERT_TRUE(fromFile.CreateBitmapFromFile(file));
        for (const Bitmap* loaded : {&fromBytes, &fromFile}) {
            EXPECT_EQ(loaded->GetImageRawFormat(), c.format);
            EXPECT_EQ(loaded->GetImageWidth(), 4);
            EXPECT_EQ(loaded->GetImageHeight(), 3);
            if (c.lossless) {
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < 4; ++x) {
                        EXPECT_EQ(loaded->BitmapGetPixel(x, y), CheckerColour(x, y)) << x << "," << y;
                    }
                }
            }
        }
        fromFile.DisposeImage();
        DeleteFileA(file.c_str());
    }
}

TEST(ImageSaving, GifSavesAsGif) {
    Bitmap paletted;
    ASSERT_TRUE(paletted.CreateBitmap(3, 2, PixelFormat8bppIndexed));
    Bitmap loaded;
    ASSERT_TRUE(loaded.CreateBitmapFromBytes(paletted.SaveImageToBytes(kGif)));
    EXPECT_EQ(loaded.GetImageRawFormat(), kGif);
    EXPECT_EQ(loaded.GetImageWidth(), 3);
    EXPECT_EQ(loaded.GetImageHeight(), 2);
}

// With the format omitted an image is saved in its own format.
TEST(ImageSaving, OmittedFormatKeepsTheImagesOwnFormat) {
    Bitmap checker;
    MakeChecker(checker);
    for (const TextValue& format : {kPng, kJpeg}) {
        Image image;
        ASSERT_TRUE(image.LoadImageFromBytes(checker.SaveImageToBytes(format)));
        Image again;
        ASSERT_TRUE(again.LoadImageFromBytes(image.SaveImageToBytes()));
        EXPECT_EQ(again.GetImageRawFormat(), format);
        std::string file = TempFile("own-format.img");
        ASSERT_TRUE(image.SaveImageToFile(file));
        Image fromFile;
        ASSERT_TRUE(fromFile.LoadImageFromFile(file));
        EXPECT_EQ(fromFile.GetImageRawFormat(), format);
        fromFile.DisposeImage();
        DeleteFileA(file.c_str());
    }
}

// A memory bitmap's own format has no encoder, nor has a lower-case or a
// decoder-only format: the save is made with the zero class id and fails.
TEST(ImageSaving, FormatWithoutEncoderFails) {
    Bitmap checker;
    MakeChecker(checker);
    ASSERT_EQ(checker.GetImageRawFormat(), kMemoryBmp);
    TextValue lower = kPng;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char ch) { return std::tolower(ch); });
    for (const TextValue& format : {TextValue(), lower, kEmf}) {
        SCOPED_TRACE(format);
        std::string file = TempFile("no-encoder.img");
        LastGdiStatus = 0;
        EXPECT_FALSE(checker.SaveImageToFile(file, format));
        EXPECT_NE(LastGdiStatus.load(), 0);
        LastGdiStatus = 0;
        EXPECT_TRUE(checker.SaveImageToBytes(format).empty());
        EXPECT_NE(LastGdiStatus.load(), 0);
        DeleteFileA(file.c_str());
    }
}

TEST(EncoderParameterBlock, LaysOutCountAndTwentyEightBytesPerParameter) {
    EncoderParameters parameters;
    parameters.count = 2;
    parameters.parameters = {{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, {80, 0, 0, 0}},
                             {"not a guid", 0, 7, {}}};
    ByteBlock block = BuildEncoderParameterBlock(parameters);
    ASSERT_EQ(block.size(), 4u + 2 * 28);
    std::uint32_t count = 0, values = 0, type = 0;
    const std::uint8_t* address = nullptr;
    std::memcpy(&count, block.data(), 4);
    EXPECT_EQ(count, 2u);
    GUID guid;
    std::memcpy(&guid, block.data() + 4, 16);
    EXPECT_EQ(GuidToText(guid), parameters.parameters[0].guid);
    std::memcpy(&values, block.data() + 20, 4);
    std::memcpy(&type, block.data() + 24, 4);
    std::memcpy(&address, block.data() + 28, 4);
    EXPECT_EQ(values, 1u);
    EXPECT_EQ(type, 4u);
    EXPECT_EQ(address, parameters.parameters[0].value.data());  // not copied
    std::memcpy(&guid, block.data() + 32, 16);
    EXPECT_EQ(GuidToText(guid), GuidToText(GUID{}));
    std::memcpy(&address, block.data() + 56, 4);
    EXPECT_EQ(address, nullptr);  // empty value
}

// The value bytes of each parameter are numberOfValues times the size of
// one value of its type.
TEST(EncoderParameterBlock, ReadCopiesValuesByTypeSize) {
    static const std::uint8_t values[64] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                            17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    struct Case {
        int type;
        int numberOfValues;
        std::size_t bytes;
    };
    for (const Case& c : {Case{1, 3, 3}, Case{2, 5, 5}, Case{7, 2, 2}, Case{3, 3, 6}, Case{4, 2, 8},
                          Case{5, 2, 16}, Case{6, 1, 8}, Case{8, 2, 32}, Case{9, 4, 0}, Case{0, 4, 0}}) {
        SCOPED_TRACE(c.type);
        EncoderParameters in;
        in.count = 1;
        in.parameters = {{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", c.numberOfValues, c.type, ByteBlock(1)}};
        ByteBlock block = BuildEncoderParameterBlock(in);
        const std::uint8_t* address = values;
        std::memcpy(block.data() + 28, &address, 4);
        EncoderParameters out;
        ASSERT_TRUE(ReadEncoderParameterBlock(block.data(), block.size(), out));
        ASSERT_EQ(out.count, 1);
        ASSERT_EQ(out.parameters.size(), 1u);
        EXPECT_EQ(out.parameters[0].guid, in.parameters[0].guid);
        EXPECT_EQ(out.parameters[0].type, c.type);
        EXPECT_EQ(out.parameters[0].numberOfValues, c.numberOfValues);
        EXPECT_EQ(out.parameters[0].value, ByteBlock(values, values + c.bytes));
    }
}

TEST(EncoderParameterBlock, ReadRefusesACountLargerThanTheBlock) {
    EncoderParameters in;
    in.count = 3;  // but only one record follows
    in.parameters = {{"", 0, 4, {}}};
    ByteBlock block = BuildEncoderParameterBlock(in);
    EncoderParameters out;
    out.count = 9;
    EXPECT_FALSE(ReadEncoderParameterBlock(block.data(), block.size(), out));
    EXPECT_EQ(out.count, 9);
}

// Wine returns NotImplemented (6) from GdipGetEncoderParameterListSize, so
// the wrapper stops there (its GdipGetEncoderParameterList raises an
// exception and is never reached); the status must come through unchanged.
// Parameters GDI+ would read past are refused before any saving: a count
// beyond the elements given, or a value shorter than its values need.
TEST(ImageSaving, ParametersThatWouldBeReadPastAreRefused) {
    Bitmap checker;
    MakeChecker(checker);
    const TextValue kQuality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
    auto quality = [&](int count, int numberOfValues, std::size_t valueBytes) {
        EncoderParameters parameters;
        parameters.count = count;
        parameters.parameters.push_back({kQuality, numberOfValues, 4, ByteBlock(valueBytes, 50)});
        return parameters;
    };
    const struct {
        const char* what;
        EncoderParameters parameters;
    } cases[] = {
        {"count beyond the elements", quality(2, 1, 4)},
        {"value shorter than one long", quality(1, 1, 3)},
        {"value shorter than two longs", quality(1, 2, 4)},
        {"negative number of values", quality(1, -1, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LastGdiStatus = 0;
        EXPECT_TRUE(checker.SaveImageToBytes(kJpeg, &c.parameters).empty());
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
        EXPECT_FALSE(checker.SaveImageToFile(TempFile("refused.jpg"), kJpeg, &c.parameters));
        EXPECT_FALSE(checker.SaveAdd(c.parameters));
        EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    }
    // The same parameter, whole, is taken.
    const EncoderParameters whole = quality(1, 1, 4);
    EXPECT_FALSE(checker.SaveImageToBytes(kJpeg, &whole).empty());
}

TEST(ImageSaving, EncoderParameterListForJpeg) {
    Bitmap checker;
    MakeChecker(checker);
    EncoderParameters parameters;
    parameters.count = 7;
    bool ok = checker.GetEncoderParameterList(kJpeg, parameters);
    if (LastGdiStatus.load() == Gdiplus::NotImplemented) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(parameters.count, 7);
        EXPECT_TRUE(parameters.parameters.empty());
    } else {
        ASSERT_TRUE(ok);
        EXPECT_EQ(parameters.count, static_cast<int>(parameters.parameters.size()));
        EXPECT_GT(parameters.count, 0);
        for (const EncoderParameter& p : parameters.parameters) {
            EXPECT_EQ(p.value.size(), p.numberOfValues * EncoderValueSize(p.type));
        }
    }
}

// Multi-frame saving: a TIFF begun with the multi-frame flag, continued with
// SaveAddImage and closed with SaveAdd (flush).
TEST(ImageSaving, MultiFrameSaveOrItsStatusPassesThrough) {
    Bitmap first, second;
    MakeChecker(first);
    MakeChecker(second, 2, 2);
    auto saveFlag = [](std::uint32_t flag) {
        EncoderParameters parameters;
        parameters.count = 1;
        ByteBlock value(4);
        std::memcpy(value.data(), &flag, 4);
        parameters.parameters = {{"{292266FC-AC40-47BF-8CFC-A85B89A655DE}", 1, 4, value}};
        return parameters;
    };
    std::string file = TempFile("frames.tif");
    EncoderParameters multiFrame = saveFlag(18), nextFrame = saveFlag(23), flush = saveFlag(20);
    ASSERT_TRUE(first.SaveImageToFile(file, kTiff, &multiFrame));
    bool added = first.SaveAddImage(second, nextFrame);
    int addStatus = LastGdiStatus.load();
    bool flushed = first.SaveAdd(flush);
    int flushStatus = LastGdiStatus.load();
    if (addStatus == Gdiplus::NotImplemented) {
        // Wine does not implement multi-frame saving; the status comes through.
        EXPECT_FALSE(added);
        EXPECT_FALSE(flushed);
        EXPECT_EQ(flushStatus, Gdiplus::NotImplemented);
    } else {
        EXPECT_TRUE(added);
        EXPECT_TRUE(flushed);
        Image frames;
        ASSERT_TRUE(frames.LoadImageFromFile(file));
        EXPECT_EQ(frames.ImageGetFrameCount("{7462DC86-6180-4C7E-8E3F-EE7333A7A483}"), 2);
    }
    DeleteFileA(file.c_str());
}

}  // namespace
}  // namespace gdiplus
