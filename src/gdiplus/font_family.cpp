#include "gdiplus/font_family.h"

namespace gdiplus {

void FontFamily::OnHandleSet(void* handle) {
    family_ = static_cast<Gdiplus::GpFontFamily*>(handle);
}

bool FontFamily::DeleteFontFamily() {
    return ReleaseWith(family_, GDIP(GdipDeleteFontFamily));
}

bool FontFamily::CreateFontFamilyFromName(const TextValue& name, const FontCollection* collection) {
    std::wstring wide = TextToWide(name);
    return FinishCreate(GDIP(GdipCreateFontFamilyFromName)(
                            wide.c_str(), HandleOf<Gdiplus::GpFontCollection>(collection), &family_),
                        family_);
}

bool FontFamily::GetGenericFontFamilySansSerif() {
    return FinishCreate(GDIP(GdipGetGenericFontFamilySansSerif)(&family_), family_);
}

bool FontFamily::GetGenericFontFamilySerif() {
    return FinishCreate(GDIP(GdipGetGenericFontFamilySerif)(&family_), family_);
}

bool FontFamily::GetGenericFontFamilyMonospace() {
    return FinishCreate(GDIP(GdipGetGenericFontFamilyMonospace)(&family_), family_);
}

bool FontFamily::CloneFontFamily(FontFamily& target) const {
    Gdiplus::GpFontFamily* out = nullptr;
    return Produce(GDIP(GdipCloneFontFamily)(family_, &out), target, out);
}

TextValue FontFamily::GetFamilyName() const {
    WCHAR name[LF_FACESIZE] = {};
    StoreStatus(GDIP(GdipGetFamilyName)(family_, name, 0));
    // GDI+ may fill all 32 units; the text ends at the buffer either way.
    name[LF_FACESIZE - 1] = 0;
    return WideToText(name);
}

bool FontFamily::IsStyleAvailable(int style) const {
    BOOL available = FALSE;
    StoreStatus(GDIP(GdipIsStyleAvailable)(family_, style, &available));
    return available != FALSE;
}

int FontFamily::GetEmHeight(int style) const {
    UINT16 value = 0;
    StoreStatus(GDIP(GdipGetEmHeight)(family_, style, &value));
    return value;
}

int FontFamily::GetCellAscent(int style) const {
    UINT16 value = 0;
    StoreStatus(GDIP(GdipGetCellAscent)(family_, style, &value));
    return value;
}

int FontFamily::GetCellDescent(int style) const {
    UINT16 value = 0;
    StoreStatus(GDIP(GdipGetCellDescent)(family_, style, &value));
    return value;
}

int FontFamily::GetLineSpacing(int style) const {
    UINT16 value = 0;
    StoreStatus(GDIP(GdipGetLineSpacing)(family_, style, &value));
    return value;
}

void FontCollection::OnHandleSet(void* handle) {
    collection_ = static_cast<Gdiplus::GpFontCollection*>(handle);
    OnSubHandleSet(handle);
}

void FontCollection::OnSubHandleSet(void*) {}

int FontCollection::GetFontCollectionFamilyCount() const {
    INT count = 0;
    StoreStatus(GDIP(GdipGetFontCollectionFamilyCount)(collection_, &count));
    return count;
}

int FontCollection::GetFontCollectionFamilyList(int numSought, std::vector<FontFamily>& families) const {
    if (numSought < 1) {
        StoreStatus(Gdiplus::InvalidParameter);
        return 0;
    }
    std::vector<Gdiplus::GpFontFamily*> found(static_cast<std::size_t>(numSought), nullptr);
    std::vector<FontFamily> fresh(static_cast<std::size_t>(numSought));
    families.swap(fresh);
    INT numFound = 0;
    if (!StoreStatus(GDIP(GdipGetFontCollectionFamilyList)(collection_, numSought, found.data(), &numFound))) {
        return numFound;
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        families[i].SetHandle(found[i]);
    }
    return numFound;
}

}  // namespace gdiplus
