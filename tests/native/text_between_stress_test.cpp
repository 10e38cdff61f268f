// TextBetween and the software fields over seeded random texts and markers.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "app/software_info_text.h"
#include "net/text_between.h"
#include "net/text_primitives.h"
#include "tests/native/random_text.h"

namespace lumbra {
namespace {

using native::RandomText;

const std::string kQuoteWord = "#\xD2\xFD\xBA\xC5";  // "#引号"
const std::vector<std::string> kPieces = {"<", ">", "<b>", "</B>", "\"", kQuoteWord, "#", "\xD2\xFD", "\xD6\xD0",
                                          "\x81", "\xFF", "\x80", std::string(1, '\0'), "aA", "\r\n"};

TEST(NativeTextBetween, ValueIsWhatLiesBetweenTheMarkers) {
    RandomText random(1);
    for (int round = 0; round < 60000; ++round) {
        const std::string whole = random.Mixed(kPieces, 14);
        std::string startMarker = random.Mixed(kPieces, 2);
        std::string endMarker = random.Mixed(kPieces, 2);
        const std::string startGiven = startMarker, endGiven = endMarker;
        std::optional<int> startPosition;
        if (random.Chance(50)) startPosition = random.Count(whole.size());
        std::optional<int> caseFlag;
        if (random.Chance(60)) caseFlag = random.Between(-1, 2);

        const std::string value = TextBetween(whole, startMarker, endMarker, startPosition, caseFlag);

        // The quote word is spelled out in the caller's markers and nothing else changes.
        ASSERT_EQ(startMarker, text::ReplaceAll(startGiven, kQuoteWord, "\""));
        ASSERT_EQ(endMarker, text::ReplaceAll(endGiven, kQuoteWord, "\""));
        ASSERT_LE(value.size(), whole.size());
        if (value.empty()) continue;
        ASSERT_NE(whole.find(value), std::string::npos);
        if (caseFlag == 1) {
            // Case kept: the value sits right after a start marker and right before an end marker.
            ASSERT_NE(whole.find(startMarker + value + endMarker), std::string::npos)
                << testing::PrintToString(whole) << " " << testing::PrintToString(value);
        }
    }
}

TEST(NativeTextBetween, PlantedValueIsFoundWithoutOrWithCase) {
    RandomText random(2);
    const std::vector<std::string> filler = {"x", "1", " ", "\xD6\xD0", "\xCE\xC4", "\xA3\xA8"};
    for (int round = 0; round < 20000; ++round) {
        const std::string before = random.Pieces(filler, 6), value = random.Pieces(filler, 6);
        const std::string whole = before + "<Key>" + value + "</Key>" + random.Bytes(6);
        for (std::optional<int> caseFlag : {std::optional<int>(), std::optional<int>(0), std::optional<int>(1)}) {
            std::string start = random.Chance(50) ? "<key>" : "<Key>", end = "</Key>";
            const bool caseMatters = caseFlag == 1 && start != "<Key>";
            ASSERT_EQ(TextBetween(whole, start, end, std::nullopt, caseFlag), caseMatters ? "" : value);
        }
    }
}

TEST(NativeSoftwareFields, FieldsAreCutFromAnyText) {
    RandomText random(3);
    const std::vector<std::string> pieces = {"sdjasd\xA3\xA8", "\xA3\xA9" "akxsds", "xksdfs\xA3\xA8", "\xA3\xA9" "ksdjsd",
                                             "SDJASD", "\xA3", "\xA8", "\xA9", "\xD6\xD0", "\x81", std::string(1, '\0')};
    for (int round = 0; round < 20000; ++round) {
        const std::string text = random.Mixed(pieces, 16);
        for (const std::string& field : CutSoftwareFields(text)) {
            ASSERT_LE(field.size(), text.size());
            if (!field.empty()) {
                ASSERT_NE(text.find(field), std::string::npos);
            }
        }
    }
}

TEST(NativeSoftwareFields, PlantedFieldsComeBackInTheirSlots) {
    static const char* const kStarts[] = {"sdjasd", "xksdfs", "xksdxs", "dqwknd", "fjshds", "pwejks", "xaskno"};
    static const char* const kEnds[] = {"akxsds", "ksdjsd", "xnhsmd", "oosdka", "scksao", "sksjhx", "dwqhbs"};
    const std::vector<std::string> filler = {"1", "9", " ", "\r\n", "\xD6\xD0", "\xCE\xC4", "\xA3\xA8"};
    RandomText random(4);
    for (int round = 0; round < 5000; ++round) {
        std::array<std::string, kSoftwareFieldCount> expected;
        std::string text = random.Pieces(filler, 4);
        for (int i : {6, 2, 0, 4, 1, 5, 3}) {  // the order in the text does not matter
            if (random.Chance(20)) continue;
            expected[static_cast<size_t>(i)] = random.Pieces(filler, 5);
            std::string start = kStarts[i];
            if (random.Chance(30)) start = text::Upper(start);  // markers ignore letter case
            text += start + "\xA3\xA8" + expected[static_cast<size_t>(i)] + "\xA3\xA9" + kEnds[i] + random.Pieces(filler, 3);
        }
        ASSERT_EQ(CutSoftwareFields(text), expected) << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace lumbra
