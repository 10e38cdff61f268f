#include "draw/string_format_object.h"

#include "draw/gdip_args.h"

namespace lumbra {

bool StringFormatObject::Create(std::optional<int> flags, std::optional<int> language) {
    Gdiplus::GpStringFormat* format = nullptr;
    return Adopt(gdip::GdipCreateStringFormat(flags.value_or(0), static_cast<LANGID>(language.value_or(0)), &format),
                 format);
}

bool StringFormatObject::GenericDefault() {
    Gdiplus::GpStringFormat* format = nullptr;
    return Adopt(gdip::GdipStringFormatGetGenericDefault(&format), format);
}

bool StringFormatObject::GenericTypographic() {
    Gdiplus::GpStringFormat* format = nullptr;
    return Adopt(gdip::GdipStringFormatGetGenericTypographic(&format), format);
}

bool StringFormatObject::Clone(StringFormatObject& target) const {
    Gdiplus::GpStringFormat* format = nullptr;
    return target.Adopt(gdip::GdipCloneStringFormat(handle_, &format), format);
}

bool StringFormatObject::SetFlags(int flags) { return TrackStatus(gdip::GdipSetStringFormatFlags(handle_, flags)); }

int StringFormatObject::GetFlags() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetStringFormatFlags(handle_, v); });
}

bool StringFormatObject::SetAlignment(int alignment) {
    return TrackStatus(gdip::GdipSetStringFormatAlign(handle_, static_cast<Gdiplus::StringAlignment>(alignment)));
}

int StringFormatObject::GetAlignment() const {
    return Read<Gdiplus::StringAlignment>([&](auto* v) { return gdip::GdipGetStringFormatAlign(handle_, v); });
}

bool StringFormatObject::SetLineAlignment(int alignment) {
    return TrackStatus(gdip::GdipSetStringFormatLineAlign(handle_, static_cast<Gdiplus::StringAlignment>(alignment)));
}

int StringFormatObject::GetLineAlignment() const {
    return Read<Gdiplus::StringAlignment>([&](auto* v) { return gdip::GdipGetStringFormatLineAlign(handle_, v); });
}

bool StringFormatObject::SetTrimming(int trimming) {
    return TrackStatus(gdip::GdipSetStringFormatTrimming(handle_, static_cast<Gdiplus::StringTrimming>(trimming)));
}

int StringFormatObject::GetTrimming() const {
    return Read<Gdiplus::StringTrimming>([&](auto* v) { return gdip::GdipGetStringFormatTrimming(handle_, v); });
}

bool StringFormatObject::SetHotkeyPrefix(int prefix) {
    return TrackStatus(gdip::GdipSetStringFormatHotkeyPrefix(handle_, prefix));
}

int StringFormatObject::GetHotkeyPrefix() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetStringFormatHotkeyPrefix(handle_, v); });
}

bool StringFormatObject::SetTabStops(float firstOffset, const std::vector<float>& stops) {
    return TrackStatus(
        gdip::GdipSetStringFormatTabStops(handle_, firstOffset, static_cast<INT>(stops.size()), stops.data()));
}

bool StringFormatObject::GetTabStops(float& firstOffset, std::vector<float>& stops) const {
    INT count = 0;
    if (!TrackStatus(gdip::GdipGetStringFormatTabStopCount(handle_, &count))) return false;
    std::vector<float> values(static_cast<std::size_t>(count));
    float offset = 0;
    if (!TrackStatus(gdip::GdipGetStringFormatTabStops(handle_, count, &offset, values.data()))) return false;
    firstOffset = offset;
    stops = std::move(values);
    return true;
}

bool StringFormatObject::SetDigitSubstitution(int language, int substitute) {
    return TrackStatus(gdip::GdipSetStringFormatDigitSubstitution(
        handle_, static_cast<LANGID>(language), static_cast<Gdiplus::StringDigitSubstitute>(substitute)));
}

bool StringFormatObject::GetDigitSubstitution(int& language, int& substitute) const {
    LANGID lang = 0;
    Gdiplus::StringDigitSubstitute sub = Gdiplus::StringDigitSubstituteUser;
    if (!TrackStatus(gdip::GdipGetStringFormatDigitSubstitution(handle_, &lang, &sub))) return false;
    language = lang;
    substitute = static_cast<int>(sub);
    return true;
}

bool StringFormatObject::SetMeasurableCharacterRanges(std::span<const Gdiplus::CharacterRange> ranges) {
    return TrackStatus(
        gdip::GdipSetStringFormatMeasurableCharacterRanges(handle_, CountOf(ranges), ranges.data()));
}

int StringFormatObject::GetMeasurableCharacterRangeCount() const {
    return Read<INT>([&](INT* v) { return gdip::GdipGetStringFormatMeasurableCharacterRangeCount(handle_, v); });
}

}  // namespace lumbra
