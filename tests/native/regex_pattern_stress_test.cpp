// The dot rewriting over seeded random patterns, checked against the matcher the product uses:
// a rewritten pattern compiles whenever the original does, matches exactly like it on subjects
// without line separators, and its dots take a carriage return but never a line feed.
#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <optional>
#include <string>
#include <vector>

#include "net/regex_pattern.h"
#include "tests/native/random_text.h"

namespace lumbra {
namespace {

using native::RandomText;

const std::vector<std::wstring> kPieces = {L"a", L"b", L".", L".", L"\\.", L"\\\\", L"\\", L"[", L"]", L"[^", L"[]",
                                           L"[:alpha:]", L"[.a.]", L"[=a=]", L"\\Q", L"\\E", L"(", L")", L"*", L"?",
                                           L"+", L"|", L"\\n", L"\\d", L"{2}", L"\x4E2D", L"\r", L"\n"};

std::wstring RandomPattern(RandomText& random) {
    std::wstring out;
    for (int i = random.Between(0, 10); i > 0; --i) {
        out += kPieces[static_cast<size_t>(random.Between(0, static_cast<int>(kPieces.size()) - 1))];
    }
    return out;
}

std::optional<boost::wregex> Compile(const std::wstring& pattern) {
    try {
        return boost::wregex(pattern, boost::regex_constants::perl);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Where the first match lies, or -1; a matcher that gives up counts as no match.
std::pair<long, long> FirstMatch(const boost::wregex& expression, const std::wstring& subject) {
    try {
        boost::wsmatch match;
        if (boost::regex_search(subject, match, expression)) return {static_cast<long>(match.position()), static_cast<long>(match.length())};
    } catch (const std::exception&) {
    }
    return {-1, -1};
}

TEST(NativeRegexPattern, RewrittenDotsMatchEverythingButLineFeed) {
    RandomText random(51);
    const std::vector<std::wstring> letters = {L"a", L"b", L".", L"[", L"]", L"\\", L"\x4E2D", L":", L"="};
    int compiled = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::wstring pattern = RandomPattern(random);
        const std::wstring rewritten = DotRefusesLineFeedOnly(pattern);
        if (pattern.find(L'.') == std::wstring::npos) {
            ASSERT_EQ(rewritten, pattern);
        }
        ASSERT_LE(rewritten.size(), pattern.size() * 5);
        ASSERT_EQ((rewritten.size() - pattern.size()) % 4, 0u);

        const std::optional<boost::wregex> original = Compile(pattern);
        if (!original) continue;
        ++compiled;
        const std::optional<boost::wregex> adapted = Compile(rewritten);
        ASSERT_TRUE(adapted) << testing::PrintToString(rewritten);
        for (int s = 0; s < 8; ++s) {
            std::wstring subject;
            for (int i = random.Between(0, 8); i > 0; --i) {
                subject += letters[static_cast<size_t>(random.Between(0, static_cast<int>(letters.size()) - 1))];
            }
            ASSERT_EQ(FirstMatch(*adapted, subject), FirstMatch(*original, subject))
                << testing::PrintToString(pattern) << " on " << testing::PrintToString(subject);
        }
    }
    EXPECT_GT(compiled, 2000);  // the random patterns must exercise the matcher, not only the rewriter

    const boost::wregex dots(DotRefusesLineFeedOnly(L"a.b"), boost::regex_constants::perl);
    EXPECT_TRUE(boost::regex_search(std::wstring(L"a\rb"), dots));
    EXPECT_FALSE(boost::regex_search(std::wstring(L"a\nb"), dots));
}

}  // namespace
}  // namespace lumbra
