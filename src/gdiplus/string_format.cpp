#include "gdiplus/string_format.h"

#include "gdiplus/flat_arguments.h"

namespace gdiplus {

namespace {

Gdiplus::StringAlignment AlignmentOf(int align) {
    return static_cast<Gdiplus::StringAlignment>(align);
}

}  // namespace

StringFormat::~StringFormat() { StringFormat::DeleteStringFormat(); }

void StringFormat::OnHandleSet(void* handle) {
    format_ = static_cast<Gdiplus::GpStringFormat*>(handle);
}

bool StringFormat::DeleteStringFormat() {
    return ReleaseWith(format_, GDIP(GdipDeleteStringFormat));
}

bool StringFormat::CreateStringFormat(int formatFlags, int language) {
    return FinishCreate(GDIP(GdipCreateStringFormat)(formatFlags, static_cast<LANGID>(language),
                                                     &format_),
                        format_);
}

bool StringFormat::StringFormatGetGenericDefault() {
    return FinishCreate(GDIP(GdipStringFormatGetGenericDefault)(&format_), format_);
}

bool StringFormat::StringFormatGetGenericTypographic() {
    return FinishCreate(GDIP(GdipStringFormatGetGenericTypographic)(&format_), format_);
}

bool StringFormat::CloneStringFormat(StringFormat& target) const {
    Gdiplus::GpStringFormat* out = nullptr;
    return Produce(GDIP(GdipCloneStringFormat)(format_, &out), target, out);
}

bool StringFormat::SetStringFormatFlags(int flags) {
    return StoreStatus(GDIP(GdipSetStringFormatFlags)(format_, flags));
}

int StringFormat::GetStringFormatFlags() const {
    INT flags = 0;
    StoreStatus(GDIP(GdipGetStringFormatFlags)(format_, &flags));
    return flags;
}

bool StringFormat::SetStringFormatAlign(int align) {
    return StoreStatus(GDIP(GdipSetStringFormatAlign)(format_, AlignmentOf(align)));
}

int StringFormat::GetStringFormatAlign() const {
    Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
    StoreStatus(GDIP(GdipGetStringFormatAlign)(format_, &align));
    return static_cast<int>(align);
}

bool StringFormat::SetStringFormatLineAlign(int align) {
    return StoreStatus(GDIP(GdipSetStringFormatLineAlign)(format_, AlignmentOf(align)));
}

int StringFormat::GetStringFormatLineAlign() const {
    Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
    StoreStatus(GDIP(GdipGetStringFormatLineAlign)(format_, &align));
    return static_cast<int>(align);
}

bool StringFormat::SetStringFormatTrimming(int trimming) {
    return StoreStatus(GDIP(GdipSetStringFormatTrimming)(
        format_, static_cast<Gdiplus::StringTrimming>(trimming)));
}

int StringFormat::GetStringFormatTrimming() const {
    Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
    StoreStatus(GDIP(GdipGetStringFormatTrimming)(format_, &trimming));
    return static_cast<int>(trimming);
}

bool StringFormat::SetStringFormatHotkeyPrefix(int prefix) {
    return StoreStatus(GDIP(GdipSetStringFormatHotkeyPrefix)(format_, prefix));
}

int StringFormat::GetStringFormatHotkeyPrefix() const {
    INT prefix = 0;
    StoreStatus(GDIP(GdipGetStringFormatHotkeyPrefix)(format_, &prefix));
    return prefix;
}

bool StringFormat::SetStringFormatTabStops(float firstTabOffset,
                                           const std::vector<float>& tabStops) {
    return StoreStatus(GDIP(GdipSetStringFormatTabStops)(format_, firstTabOffset,
                                                         CountOf(tabStops), tabStops.data()));
}

int StringFormat::GetStringFormatTabStops(float& firstTabOffset,
                                          std::vector<float>& tabStops) const {
    return ReadCountedArray(
        [&](INT* count) { return GDIP(GdipGetStringFormatTabStopCount)(format_, count); },
        [&](INT count) {
            tabStops.assign(count, 0.0f);
            return GDIP(GdipGetStringFormatTabStops)(format_, count, &firstTabOffset,
                                                     tabStops.data());
        });
}

bool StringFormat::SetStringFormatDigitSubstitution(int substitute, int language) {
    return StoreStatus(GDIP(GdipSetStringFormatDigitSubstitution)(
        format_, static_cast<LANGID>(language),
        static_cast<Gdiplus::StringDigitSubstitute>(substitute)));
}

bool StringFormat::GetStringFormatDigitSubstitution(int& substitute, int* language) const {
    LANGID writtenLanguage = 0;
    Gdiplus::StringDigitSubstitute writtenSubstitute = Gdiplus::StringDigitSubstituteUser;
    bool ok = StoreStatus(
        GDIP(GdipGetStringFormatDigitSubstitution)(format_, &writtenLanguage, &writtenSubstitute));
    substitute = static_cast<int>(writtenSubstitute);
    if (language != nullptr) {
        *language = writtenLanguage;
    }
    return ok;
}

bool StringFormat::SetStringFormatMeasurableCharacterRanges(
    const std::vector<CharacterRange>& ranges) {
    return StoreStatus(GDIP(GdipSetStringFormatMeasurableCharacterRanges)(
        format_, CountOf(ranges), RunOf(ranges)));
}

int StringFormat::GetStringFormatMeasurableCharacterRangeCount() const {
    INT count = 0;
    StoreStatus(GDIP(GdipGetStringFormatMeasurableCharacterRangeCount)(format_, &count));
    return count;
}

}  // namespace gdiplus
