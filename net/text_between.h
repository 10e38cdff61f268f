#pragma once
// Cuts the value between a start and an end marker out of a code page 936 text.
#include <optional>
#include <string>
#include <string_view>

namespace lumbra {

// The text between the first start marker (searched from startPosition) and the first end
// marker after it; empty when either is missing. "#引号" in a marker stands for a double quote
// and is rewritten in the caller's marker. caseSensitive 1 matches letter case exactly; not
// given or 0 folds ASCII letters.
std::string TextBetween(std::string_view whole, std::string& startMarker, std::string& endMarker,
                        std::optional<int> startPosition = std::nullopt,
                        std::optional<int> caseSensitive = std::nullopt);

}  // namespace lumbra
