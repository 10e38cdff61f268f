#pragma once
// How text is laid out: alignment, flags, trimming, tab stops, measured ranges.
#include "draw/gdip.h"

#include <optional>
#include <span>
#include <vector>

namespace lumbra {

class StringFormatObject : public DrawingObject<Gdiplus::GpStringFormat, gdip::GdipDeleteStringFormat> {
public:
    // flags and language: 0 when not given.
    bool Create(std::optional<int> flags = std::nullopt, std::optional<int> language = std::nullopt);
    bool GenericDefault();
    bool GenericTypographic();
    bool Clone(StringFormatObject& target) const;
    bool SetFlags(int flags);
    int GetFlags() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;
    bool SetLineAlignment(int alignment);
    int GetLineAlignment() const;
    bool SetTrimming(int trimming);
    int GetTrimming() const;
    bool SetHotkeyPrefix(int prefix);
    int GetHotkeyPrefix() const;
    bool SetTabStops(float firstOffset, const std::vector<float>& stops);
    bool GetTabStops(float& firstOffset, std::vector<float>& stops) const;
    bool SetDigitSubstitution(int language, int substitute);
    bool GetDigitSubstitution(int& language, int& substitute) const;
    bool SetMeasurableCharacterRanges(std::span<const Gdiplus::CharacterRange> ranges);
    int GetMeasurableCharacterRangeCount() const;
};

}  // namespace lumbra
