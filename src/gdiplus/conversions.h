// How texts, GUIDs and byte blocks cross into GDI+.
//
// Texts are ANSI (GBK) byte strings, converted with the ANSI code page in both
// directions so that a text sent to GDI+ and read back is unchanged.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gdiplus {

using TextValue = std::string;                 // ANSI bytes, no embedded NUL
using ByteBlock = std::vector<std::uint8_t>;

// UTF-16 of the text up to its first NUL; data() is NUL-terminated.
std::wstring TextToWide(const TextValue& text);
// ANSI text of a NUL-terminated UTF-16 string; a null pointer gives "".
TextValue WideToText(const wchar_t* wide);
// Registry form: braces, upper-case hex digits, 38 characters.
TextValue GuidToText(const GUID& guid);
// The GUID a registry-form text names; anything else gives the all-zero GUID.
GUID TextToGuid(const TextValue& text);

}  // namespace gdiplus
