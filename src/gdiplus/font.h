// Font: a GDI+ font made from a family, a family name, a device context, a
// GDI font or LOGFONTA, or the system's default GUI font.
//
// windows.h turns the name CreateFont into CreateFontA; every file sees the
// same macro, so the method still has one name throughout.
#pragma once

#include "gdiplus/object.h"

namespace gdiplus {

class FontFamily;
class Graphics;

class Font : public GdiPlusObject {
public:
    Font() = default;
    ~Font() override;

    Gdiplus::GpFont* NativeFont() const { return font_; }

    bool DeleteFont();
    // style: FontStyle bits; unit: GDI+ Unit (0 world).
    bool CreateFont(const FontFamily& family, float emSize, int style = 0, int unit = 0);
    bool CreateDefaultGuiFont();
    // Looks the family up among the installed fonts; an unknown name fails
    // with the status of the font creation.
    bool CreateFontFromName(const TextValue& familyName, float emSize, int style = 0, int unit = 0);
    bool CreateFontFromDC(HDC hdc);
    // A null or unreadable hfont gives the font selected into the DC.
    bool CreateFontFromHfont(HDC hdc, HFONT hfont);
    // A null logFont gives the font selected into the DC.
    bool CreateFontFromLogfontA(HDC hdc, const LOGFONTA* logFont);
    bool CloneFont(Font& target) const;
    bool GetFamily(FontFamily& target) const;

    int GetFontStyle() const;
    float GetFontSize() const;
    int GetFontUnit() const;
    // An omitted graphics is a null graphics to GDI+.
    float GetFontHeight(const Graphics* graphics = nullptr) const;
    float GetFontHeightGivenDPI(float dpi) const;
    bool GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpFont* font_ = nullptr;
};

}  // namespace gdiplus
