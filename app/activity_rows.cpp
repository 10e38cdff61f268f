#include "app/activity_rows.h"

#include "net/text_between.h"
#include "net/text_primitives.h"

#include <algorithm>

namespace lumbra {
namespace {

constexpr char kTitleTag[] = "<hdbtbby>";
constexpr char kTimeTag[] = "<hdsjbby>";
constexpr char kAddressTag[] = "<hddzbby>";

// Offsets at which lines begin, so that a match's offset tells its line.
std::vector<size_t> LineStarts(const std::string& text) {
    std::vector<size_t> starts{0};
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        starts.push_back(at + 1);
    }
    return starts;
}

size_t LineOf(const std::vector<size_t>& lineStarts, int offset) {
    const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), static_cast<size_t>(offset));
    return static_cast<size_t>(after - lineStarts.begin()) - 1;
}

// Runs pattern globally and calls take(line, match) for every match. "." stops at a line feed,
// so a match never spans two lines.
template <typename Take>
void ForEachMatch(RegexObject& regex, const std::string& pattern, const std::string& text,
                  const std::vector<size_t>& lineStarts, Take take) {
    if (!regex.Run(pattern, text, 0, 0, 1)) return;
    const int count = regex.MatchCount();
    for (int i = 1; i <= count; ++i) {
        int offset = 0;
        std::string match = regex.MatchText(i, &offset);
        take(LineOf(lineStarts, offset), std::move(match));
    }
}

}  // namespace

std::vector<ActivityRecord> CutActivityRows(RegexObject& regex, const std::string& text) {
    const std::vector<size_t> lineStarts = LineStarts(text);
    std::vector<ActivityRecord> rows;
    // For each line, its row or -1 when the line holds no title.
    std::vector<int> rowOfLine(lineStarts.size(), -1);

    ForEachMatch(regex, std::string(".*") + kTitleTag, text, lineStarts,
                 [&](size_t line, std::string match) {
                     if (rowOfLine[line] >= 0) return;
                     rowOfLine[line] = static_cast<int>(rows.size());
                     rows.push_back({text::ReplaceAll(match, kTitleTag, ""), {}, {}});
                 });
    if (rows.empty()) return rows;

    const auto cutCells = [&](const char* fromTag, const char* toTag, std::string ActivityRecord::*cell) {
        ForEachMatch(regex, std::string(fromTag) + ".*" + toTag, text, lineStarts,
                     [&](size_t line, std::string match) {
                         if (rowOfLine[line] < 0) return;
                         std::string from = fromTag;
                         std::string to = toTag;
                         rows[static_cast<size_t>(rowOfLine[line])].*cell = TextBetween(match, from, to);
                     });
    };
    cutCells(kTitleTag, kTimeTag, &ActivityRecord::time);
    cutCells(kTimeTag, kAddressTag, &ActivityRecord::address);
    return rows;
}

}  // namespace lumbra
