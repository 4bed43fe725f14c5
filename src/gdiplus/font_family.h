// FontFamily and FontCollection: typefaces and the sets they come from.
// Neither releases anything when destroyed: whoever made a family deletes it
// with DeleteFontFamily right after use.
#pragma once

#include <vector>

#include "gdiplus/object.h"

namespace gdiplus {

class FontCollection;

class FontFamily : public GdiPlusObject {
public:
    FontFamily() = default;

    Gdiplus::GpFontFamily* NativeFontFamily() const { return family_; }

    bool DeleteFontFamily();
    // An omitted collection is the installed system fonts.
    bool CreateFontFamilyFromName(const TextValue& name, const FontCollection* collection = nullptr);
    bool GetGenericFontFamilySansSerif();
    bool GetGenericFontFamilySerif();
    bool GetGenericFontFamilyMonospace();
    bool CloneFontFamily(FontFamily& target) const;

    // The neutral-language name; "" when the call fails.
    TextValue GetFamilyName() const;
    bool IsStyleAvailable(int style) const;
    // Design units of the given style.
    int GetEmHeight(int style) const;
    int GetCellAscent(int style) const;
    int GetCellDescent(int style) const;
    int GetLineSpacing(int style) const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpFontFamily* family_ = nullptr;
};

class FontCollection : public GdiPlusObject {
public:
    FontCollection() = default;

    Gdiplus::GpFontCollection* NativeFontCollection() const { return collection_; }

    int GetFontCollectionFamilyCount() const;
    // Replaces `families` by numSought fresh wrappers, gives the found ones
    // their families and returns how many were found. numSought below 1 is
    // InvalidParameter without a call, `families` untouched.
    int GetFontCollectionFamilyList(int numSought, std::vector<FontFamily>& families) const;

protected:
    void OnHandleSet(void* handle) final;
    // For a collection class below this one to keep its own typed copy.
    virtual void OnSubHandleSet(void* handle);

private:
    Gdiplus::GpFontCollection* collection_ = nullptr;
};

}  // namespace gdiplus
