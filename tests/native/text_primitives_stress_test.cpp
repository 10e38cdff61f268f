// Seeded random texts through the text primitives; the properties below hold for every input
// and the sanitizers watch every byte that is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "net/text_primitives.h"
#include "tests/native/random_text.h"

namespace lumbra::text {
namespace {

using native::CharacterStarts;
using native::RandomText;

const std::vector<std::string> kPieces = {"ab", "AB", "aB", "\xD6\xD0", "\xCE\xC4", "\x81", "\x81\x40", "\x80",
                                          "\xFF", std::string(1, '\0'), "  ", "#\xD2\xFD\xBA\xC5", "\r\n"};

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether pattern occurs at index, folding letters only in single-byte characters of text.
bool OccursAt(std::string_view text, const std::vector<bool>& starts, size_t index, std::string_view pattern,
              bool caseSensitive) {
    if (index + pattern.size() > text.size()) return false;
    for (size_t j = 0; j < pattern.size(); ++j) {
        const size_t at = index + j;
        const bool single = starts[at] && starts[at + 1];
        if (caseSensitive || !single ? text[at] != pattern[j] : Fold(text[at]) != Fold(pattern[j])) return false;
    }
    return true;
}

TEST(NativeFind, FirstMatchOnACharacterBoundaryFromEveryStart) {
    RandomText random(20240601);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = random.Mixed(kPieces, 12);
        const std::string pattern = random.Chance(50) ? random.Mixed(kPieces, 2) : random.Bytes(2);
        const std::vector<bool> starts = CharacterStarts(text);
        const int n = static_cast<int>(text.size());
        for (bool caseSensitive : {true, false}) {
            for (int start : {INT_MIN, -1, 0, n + 1, n + 2, INT_MAX}) {
                const int found = Find(text, pattern, start, caseSensitive);
                ASSERT_EQ(found, Find(text, pattern, start < 1 ? 1 : start, caseSensitive));
                if (start > n) {
                    ASSERT_EQ(found, pattern.empty() && !text.empty() ? 1 : -1);
                }
            }
            for (int start = 1; start <= n; ++start) {
                const int found = Find(text, pattern, start, caseSensitive);
                if (pattern.empty()) {
                    ASSERT_EQ(found, 1);
                    continue;
                }
                ASSERT_TRUE(found == -1 || (found >= start && found <= n)) << found;
                if (found != -1 && caseSensitive) {
                    ASSERT_EQ(text.compare(static_cast<size_t>(found - 1), pattern.size(), pattern), 0);
                }
                if (!starts[static_cast<size_t>(start - 1)]) continue;  // a start inside a character is the caller's
                int expected = -1;
                for (size_t i = static_cast<size_t>(start - 1); i < text.size(); ++i) {
                    if (starts[i] && OccursAt(text, starts, i, pattern, caseSensitive)) {
                        expected = static_cast<int>(i + 1);
                        break;
                    }
                }
                ASSERT_EQ(found, expected) << "start " << start << (caseSensitive ? "" : " ignoring case");
            }
        }
        ASSERT_EQ(Find("", pattern), -1);
    }
}

TEST(NativeReplaceAll, LengthFollowsTheMatchesFindSees) {
    RandomText random(7);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = random.Mixed(kPieces, 12);
        const std::string from = random.Chance(70) ? random.Mixed(kPieces, 2) : random.Bytes(2);
        const std::string to = random.Chance(30) ? std::string() : random.Mixed(kPieces, 2);
        const bool caseSensitive = random.Chance(50);
        const std::string out = ReplaceAll(text, from, to, caseSensitive);
        if (from.empty()) {
            ASSERT_EQ(out, text);
            continue;
        }
        size_t matches = 0;
        for (int at = Find(text, from, 1, caseSensitive); at != -1;
             at = Find(text, from, at + static_cast<int>(from.size()), caseSensitive)) {
            ++matches;
        }
        ASSERT_EQ(out.size(), text.size() - matches * from.size() + matches * to.size());
        if (to.empty()) {
            ASSERT_LE(out.size(), text.size());
        }
        if (caseSensitive) {
            ASSERT_EQ(ReplaceAll(text, from, from, true), text);
        }
        if (matches == 0) {
            ASSERT_EQ(out, text);
        }
    }
}

TEST(NativeSlices, ExtremeCountsGiveWhatExists) {
    RandomText random(99);
    for (int round = 0; round < 50000; ++round) {
        const std::string text = random.Bytes(10);
        const size_t size = text.size();
        const int count = random.Count(size);
        const int position = random.Count(size);
        const size_t wanted = count <= 0 ? 0 : static_cast<size_t>(count);

        ASSERT_EQ(Left(text, count), text.substr(0, std::min(wanted, size)));
        ASSERT_EQ(Right(text, count), text.substr(size - std::min(wanted, size)));
        const std::string middle = Middle(text, position, count);
        if (position < 1 || static_cast<size_t>(position) > size) {
            ASSERT_EQ(middle, "");
        } else {
            ASSERT_EQ(middle, text.substr(static_cast<size_t>(position) - 1, wanted));
        }
        ASSERT_LE(middle.size(), size);
    }
}

TEST(NativeCleanUp, TrimCaseCompareAndZeroBytes) {
    RandomText random(4242);
    for (int round = 0; round < 50000; ++round) {
        const std::string text = random.Mixed(kPieces, 8);
        const std::string trimmed = TrimBoth(text);
        ASSERT_LE(trimmed.size(), text.size());
        ASSERT_NE(text.find(trimmed), std::string::npos);
        if (!trimmed.empty()) {
            ASSERT_TRUE(trimmed.front() != ' ' && trimmed.back() != ' ');
        }
        ASSERT_EQ(RemoveSpaces(text).find(' '), std::string::npos);

        const std::string upper = Upper(text), lower = Lower(text);
        ASSERT_EQ(upper.size(), text.size());
        ASSERT_EQ(lower.size(), text.size());
        ASSERT_EQ(Lower(upper), lower);
        ASSERT_EQ(Upper(lower), upper);
        const std::vector<bool> starts = CharacterStarts(text);
        for (size_t i = 0; i < text.size(); ++i) {
            if (!(starts[i] && starts[i + 1])) {
                ASSERT_EQ(upper[i], text[i]) << "byte " << i << " of a pair changed";
            }
        }

        const std::string other = random.Mixed(kPieces, 8);
        const int order = Compare(text, other);
        const int expected = text.compare(other);  // char_traits<char> orders bytes as unsigned
        ASSERT_EQ(order, expected < 0 ? -1 : expected > 0 ? 1 : 0);
        ASSERT_EQ(Compare(other, text), -order);

        const std::string bytes = BytesToText(text);
        ASSERT_EQ(bytes.find('\0'), std::string::npos);
        ASSERT_EQ(text.compare(0, bytes.size(), bytes), 0);
    }
}

TEST(NativeToNumber, SaturatesInsteadOfOverflowing) {
    RandomText random(31337);
    for (int round = 0; round < 50000; ++round) {
        std::string digits(static_cast<size_t>(random.Between(1, random.Chance(10) ? 400 : 12)), '0');
        for (char& c : digits) c = static_cast<char>('0' + random.Between(0, 9));
        const std::string sign = random.Chance(30) ? "-" : random.Chance(20) ? "+" : "";
        const std::string lead = random.Chance(20) ? " \t " : "";
        const std::string tail = random.Chance(30) ? random.Bytes(3) : "";
        const std::string text = lead + sign + digits + tail;

        // The value of the leading digits, saturated: a long double never overflows here.
        long double value = 0;
        for (char c : digits) value = std::min<long double>(value * 10 + (c - '0'), 1e12L);
        if (sign == "-") value = -value;
        const long double clamped = std::clamp<long double>(value, INT_MIN, INT_MAX);
        const bool tailIsDigit = !tail.empty() && tail[0] >= '0' && tail[0] <= '9';
        if (!tailIsDigit) {
            ASSERT_EQ(ToNumber(text), static_cast<int>(clamped)) << text;
        }

        ToNumber(random.Bytes(30));  // anything at all: the sanitizers judge
    }
    EXPECT_EQ(ToNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ToNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(ToNumber("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(ToNumber("-99999999999999999999999999"), INT_MIN);
}

}  // namespace
}  // namespace lumbra::text
