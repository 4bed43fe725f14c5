// Small pictures for the image tests, made in code so each shows what it is.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "gdiplus/bitmap.h"

namespace gdiplus::fixtures {

// GDI+ image format identifiers, in the form GetImageRawFormat returns.
inline const TextValue kMemoryBmp = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kBmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kEmf = "{B96B3CAC-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kJpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kGif = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kTiff = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
inline const TextValue kFrameDimensionTime = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";

// Opaque, all different, so a swapped or shifted pixel shows.
inline Argb CheckerColour(int x, int y) {
    return 0xFF000000u | (static_cast<Argb>(x * 60 + 20) << 16) | (static_cast<Argb>(y * 90 + 30) << 8) |
           static_cast<Argb>((x + y) % 2 ? 0xF0 : 0x10);
}

// A 4 x 3 bitmap of CheckerColour.
inline void MakeChecker(Bitmap& bitmap, int width = 4, int height = 3) {
    bitmap.CreateBitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.BitmapSetPixel(x, y, CheckerColour(x, y));
        }
    }
}

// A 2 x 2 GIF with three frames of one colour each (red, green, blue) and
// the given delays in hundredths of a second.
inline ByteBlock MakeThreeFrameGif(std::initializer_list<int> delays) {
    ByteBlock gif = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x81, 0, 0,
                     0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};  // black, red, green, blue
    std::uint8_t colour = 1;
    for (int delay : delays) {
        ByteBlock frame = {0x21, 0xF9, 4, 0x04, static_cast<std::uint8_t>(delay & 0xFF),
                           static_cast<std::uint8_t>(delay >> 8), 0, 0,
                           0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2};
        // LZW codes of 3 bits: a clear code (4) before every pixel keeps the
        // code table from growing; then the end code (5).
        std::vector<int> codes;
        for (int i = 0; i < 4; ++i) {
            codes.push_back(4);
            codes.push_back(colour);
        }
        codes.push_back(5);
        ByteBlock packed;
        unsigned bits = 0, used = 0;
        for (int code : codes) {
            bits |= static_cast<unsigned>(code) << used;
            used += 3;
            while (used >= 8) {
                packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
                bits >>= 8;
                used -= 8;
            }
        }
        if (used > 0) {
            packed.push_back(static_cast<std::uint8_t>(bits));
        }
        frame.push_back(static_cast<std::uint8_t>(packed.size()));
        frame.insert(frame.end(), packed.begin(), packed.end());
        frame.push_back(0);
        gif.insert(gif.end(), frame.begin(), frame.end());
        ++colour;
    }
    gif.push_back(0x3B);
    return gif;
}

// Inserts an Exif segment right after the start marker of a JPEG: an image
// description "dotlock" (tag 0x010E) and orientation 6 (tag 0x0112).
inline ByteBlock WithExif(const ByteBlock& jpeg) {
    ByteBlock tiff = {'I', 'I', 0x2A, 0, 8, 0, 0, 0,            // header, first IFD at 8
                      2, 0,                                     // two entries
                      0x0E, 0x01, 2, 0, 8, 0, 0, 0, 38, 0, 0, 0,  // ASCII x8 at offset 38
                      0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0,   // SHORT x1 = 6
                      0, 0, 0, 0,                               // no next IFD
                      'd', 'o', 't', 'l', 'o', 'c', 'k', 0};
    ByteBlock app1 = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    std::size_t length = app1.size() - 2;
    app1[2] = static_cast<std::uint8_t>(length >> 8);
    app1[3] = static_cast<std::uint8_t>(length & 0xFF);
    ByteBlock out = jpeg;
    out.insert(out.begin() + 2, app1.begin(), app1.end());
    return out;
}

// A fresh file name in the prefix's temporary folder.
inline std::string TempFile(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "dotlock-" + name;
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace gdiplus::fixtures
