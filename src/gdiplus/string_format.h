// StringFormat: layout rules for drawing, measuring and outlining text.
#pragma once

#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/records.h"

namespace gdiplus {

class StringFormat : public GdiPlusObject {
public:
    StringFormat() = default;
    ~StringFormat() override;

    Gdiplus::GpStringFormat* NativeStringFormat() const { return format_; }

    bool DeleteStringFormat();
    // language is a LANGID.
    bool CreateStringFormat(int formatFlags = 0, int language = 0);
    bool StringFormatGetGenericDefault();
    bool StringFormatGetGenericTypographic();
    bool CloneStringFormat(StringFormat& target) const;

    bool SetStringFormatFlags(int flags);
    int GetStringFormatFlags() const;
    // Alignments: 0 near, 1 centre, 2 far.
    bool SetStringFormatAlign(int align);
    int GetStringFormatAlign() const;
    bool SetStringFormatLineAlign(int align);
    int GetStringFormatLineAlign() const;
    bool SetStringFormatTrimming(int trimming);
    int GetStringFormatTrimming() const;
    bool SetStringFormatHotkeyPrefix(int prefix);
    int GetStringFormatHotkeyPrefix() const;

    bool SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    // Returns the count GDI+ reports (0, arguments untouched, when that query fails).
    int GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
    bool SetStringFormatDigitSubstitution(int substitute, int language = 0);
    bool GetStringFormatDigitSubstitution(int& substitute, int* language = nullptr) const;

    bool SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges);
    int GetStringFormatMeasurableCharacterRangeCount() const;

protected:
    void OnHandleSet(void* handle) override;

private:
    Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace gdiplus
