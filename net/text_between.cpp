#include "net/text_between.h"

#include "net/text_primitives.h"

namespace lumbra {
namespace {

// Markers written as program constants spell a double quote as "#引号".
void RewriteQuoteWord(std::string& marker) {
    static const std::string kQuoteWord = "#\xD2\xFD\xBA\xC5";  // "#引号" in code page 936
    if (text::Find(marker, kQuoteWord) != -1) marker = text::ReplaceAll(marker, kQuoteWord, "\"");
}

}  // namespace

std::string TextBetween(std::string_view whole, std::string& startMarker, std::string& endMarker,
                        std::optional<int> startPosition, std::optional<int> caseSensitive) {
    RewriteQuoteWord(startMarker);
    RewriteQuoteWord(endMarker);
    const bool exactCase = caseSensitive.value_or(0) == 1;
    const int from = startPosition.value_or(1) < 1 ? 1 : startPosition.value_or(1);

    const int start = text::Find(whole, startMarker, from, exactCase);
    if (start == -1) return {};
    // The end marker is looked for right after the start marker; a given start position only
    // decides where the start marker may be.
    const int valueStart = start + static_cast<int>(startMarker.size());
    if (static_cast<size_t>(valueStart) > whole.size()) return {};
    const int end = text::Find(whole, endMarker, valueStart, exactCase);
    if (end < valueStart) return {};
    return std::string(whole.substr(static_cast<size_t>(valueStart - 1), static_cast<size_t>(end - valueStart)));
}

}  // namespace lumbra
