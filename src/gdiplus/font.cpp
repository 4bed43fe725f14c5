#include "gdiplus/font.h"

#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"

namespace gdiplus {

namespace {

// Reads a GDI font's LOGFONTA; false when the object is not a readable font.
// GetObjectA alone also "succeeds" on a brush or pen, whose record would then
// be taken for a font.
bool ReadLogFont(HGDIOBJ font, LOGFONTA& logFont) {
    return GetObjectType(font) == OBJ_FONT && GetObjectA(font, sizeof(LOGFONTA), &logFont) == sizeof(LOGFONTA);
}

}  // namespace

Font::~Font() { Font::DeleteFont(); }

void Font::OnHandleSet(void* handle) {
    font_ = static_cast<Gdiplus::GpFont*>(handle);
}

bool Font::DeleteFont() {
    return ReleaseWith(font_, GDIP(GdipDeleteFont));
}

bool Font::CreateFont(const FontFamily& family, float emSize, int style, int unit) {
    return FinishCreate(GDIP(GdipCreateFont)(family.NativeFontFamily(), emSize, style,
                                             static_cast<Gdiplus::Unit>(unit), &font_),
                        font_);
}

bool Font::CreateDefaultGuiFont() {
    LOGFONTA logFont = {};
    if (!ReadLogFont(GetStockObject(DEFAULT_GUI_FONT), logFont)) {
        return false;
    }
    HDC screen = ::GetDC(nullptr);
    GpStatus status = GDIP(GdipCreateFontFromLogfontA)(screen, &logFont, &font_);
    ::ReleaseDC(nullptr, screen);
    return FinishCreate(status, font_);
}

bool Font::CreateFontFromName(const TextValue& familyName, float emSize, int style, int unit) {
    FontFamily family;
    family.CreateFontFamilyFromName(familyName);  // no collection: the installed system fonts
    bool ok = CreateFont(family, emSize, style, unit);
    // Deleting the family must not hide the status of the font creation.
    int status = LastGdiStatus.load();
    family.DeleteFontFamily();
    LastGdiStatus.store(status);
    return ok;
}

bool Font::CreateFontFromDC(HDC hdc) {
    return FinishCreate(GDIP(GdipCreateFontFromDC)(hdc, &font_), font_);
}

bool Font::CreateFontFromHfont(HDC hdc, HFONT hfont) {
    LOGFONTA logFont = {};
    if (hfont != nullptr && ReadLogFont(hfont, logFont)) {
        return CreateFontFromLogfontA(hdc, &logFont);
    }
    return CreateFontFromDC(hdc);
}

bool Font::CreateFontFromLogfontA(HDC hdc, const LOGFONTA* logFont) {
    if (logFont == nullptr) {
        return CreateFontFromDC(hdc);
    }
    return FinishCreate(GDIP(GdipCreateFontFromLogfontA)(hdc, logFont, &font_), font_);
}

bool Font::CloneFont(Font& target) const {
    Gdiplus::GpFont* out = nullptr;
    return Produce(GDIP(GdipCloneFont)(font_, &out), target, out);
}

bool Font::GetFamily(FontFamily& target) const {
    Gdiplus::GpFontFamily* out = nullptr;
    return Produce(GDIP(GdipGetFamily)(font_, &out), target, out);
}

int Font::GetFontStyle() const {
    INT style = 0;
    StoreStatus(GDIP(GdipGetFontStyle)(font_, &style));
    return style;
}

float Font::GetFontSize() const {
    Gdiplus::REAL size = 0;
    StoreStatus(GDIP(GdipGetFontSize)(font_, &size));
    return size;
}

int Font::GetFontUnit() const {
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    StoreStatus(GDIP(GdipGetFontUnit)(font_, &unit));
    return static_cast<int>(unit);
}

float Font::GetFontHeight(const Graphics* graphics) const {
    Gdiplus::REAL height = 0;
    StoreStatus(GDIP(GdipGetFontHeight)(font_, HandleOf<Gdiplus::GpGraphics>(graphics), &height));
    return height;
}

float Font::GetFontHeightGivenDPI(float dpi) const {
    Gdiplus::REAL height = 0;
    StoreStatus(GDIP(GdipGetFontHeightGivenDPI)(font_, dpi, &height));
    return height;
}

bool Font::GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) const {
    return StoreStatus(GDIP(GdipGetLogFontA)(font_, graphics.NativeGraphics(), &logFont));
}

}  // namespace gdiplus
