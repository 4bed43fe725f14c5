#include "gdiplus/conversions.h"

#include <objbase.h>

#include <cstring>

namespace gdiplus {

std::wstring TextToWide(const TextValue& text) {
    const char* bytes = text.c_str();
    int units = MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0);  // with terminator
    if (units <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(units - 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(std::strlen(bytes)), wide.data(), units - 1);
    return wide;
}

TextValue WideToText(const wchar_t* wide) {
    if (wide == nullptr) {
        return TextValue();
    }
    // Same code page as TextToWide: the OEM page would corrupt a round trip.
    int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return TextValue();
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(std::strlen(text.c_str()));
    return text;
}

TextValue GuidToText(const GUID& guid) {
    wchar_t buffer[39] = {};
    StringFromGUID2(guid, buffer, 39);
    return WideToText(buffer);
}

GUID TextToGuid(const TextValue& text) {
    GUID guid = {};
    // Only the registry form counts: CLSIDFromString would also resolve a
    // program name through the registry.
    if (text.empty() || text[0] != '{') {
        return guid;
    }
    std::wstring wide = TextToWide(text);
    if (FAILED(CLSIDFromString(wide.c_str(), &guid))) {
        guid = GUID{};
    }
    return guid;
}

}  // namespace gdiplus
