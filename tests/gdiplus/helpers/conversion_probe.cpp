// Text round trip under a Western locale, run by CTest with LC_ALL=C.UTF-8 so
// that the ANSI page is 1252 and the OEM page 437. Exit 0 when the accented
// text comes back unchanged, 1 when it is corrupted, 2 when the code pages
// are not the ones the check needs.
#include <cstdio>

#include "gdiplus/conversions.h"

int main() {
    if (GetACP() != 1252 || GetOEMCP() != 437) {
        std::printf("code pages %u/%u, not 1252/437\n", GetACP(), GetOEMCP());
        return 2;
    }
    const gdiplus::TextValue text = "caf\xe9 \xc0 na\xefve";  // café À naïve in 1252
    gdiplus::TextValue back = gdiplus::WideToText(gdiplus::TextToWide(text).c_str());
    std::printf("round trip %s\n", back == text ? "unchanged" : "corrupted");
    return back == text ? 0 : 1;
}
