#pragma once
// The software-information text: seven fields, each between a start marker of six letters and
// "（" and an end marker of "）" and six letters; everything else in the text is ignored.
// Pure logic: no platform header.
#include <array>
#include <string>
#include <string_view>

namespace lumbra {

constexpr int kSoftwareFieldCount = 7;

// Field 0 is the latest version, fields 1 to 6 the announcements; a missing pair gives the
// empty text. Markers match ignoring letter case.
std::array<std::string, kSoftwareFieldCount> CutSoftwareFields(std::string_view text);

}  // namespace lumbra
