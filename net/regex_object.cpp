#include "net/regex_object.h"

#include <windows.h>

#include <boost/regex.hpp>

#include <utility>
#include <vector>

#include "net/code_page_936.h"
#include "net/gbk_decoding.h"
#include "net/regex_pattern.h"

namespace lumbra {
namespace {

// Case folding for the matcher. The default traits ask the platform for every character, which
// made a line of ten million characters take a third of a second; ASCII folds here directly.
struct FoldingTraits : boost::regex_traits<wchar_t> {
    wchar_t translate(wchar_t c) const { return c; }
    wchar_t translate_nocase(wchar_t c) const {
        if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
        return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
    }
    wchar_t translate(wchar_t c, bool icase) const { return icase ? translate_nocase(c) : c; }
};
using Expression = boost::basic_regex<wchar_t, FoldingTraits>;
using MatchIterator = boost::regex_iterator<std::wstring::const_iterator, wchar_t, FoldingTraits>;

// One match as ranges of UTF-16 units: the whole match first, then each group (-1 when unmatched).
using MatchRanges = std::vector<std::pair<long, long>>;

}  // namespace

struct RegexObject::State {
    std::string pattern;
    bool compiled = false;
    bool global = true;
    Expression expression;
    boost::regex_constants::match_flag_type flags = boost::regex_constants::match_default;
    DecodedText subject;
    std::vector<MatchRanges> matches;
};

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;
RegexObject::RegexObject(const RegexObject& other) = default;
RegexObject& RegexObject::operator=(const RegexObject& other) = default;

bool RegexObject::Run(const std::string& pattern, const std::string& subject, std::optional<int> caseSensitive,
                      std::optional<int> multiline, std::optional<int> global) {
    auto state = std::make_shared<State>();
    state->pattern = pattern;
    state->global = global.value_or(1) != 0;
    subject_ = subject;
    state_ = state;

    boost::regex_constants::syntax_option_type syntax = boost::regex_constants::perl;
    if (caseSensitive.value_or(0) == 0) syntax |= boost::regex_constants::icase;
    if (multiline.value_or(1) == 0) state->flags |= boost::regex_constants::match_single_line;
    try {
        state->expression.assign(DotRefusesLineFeedOnly(GbkToWide(pattern)), syntax);
    } catch (const std::exception&) {
        return false;
    }
    state->compiled = true;
    state->subject = DecodeWithOffsets(subject);

    const std::wstring& wide = state->subject.wide;
    try {
        for (MatchIterator it(wide.cbegin(), wide.cend(), state->expression, state->flags), end;
             it != end; ++it) {
            MatchRanges ranges;
            for (size_t g = 0; g < it->size(); ++g) {
                const auto& group = (*it)[g];
                ranges.emplace_back(group.matched ? group.first - wide.cbegin() : -1,
                                    group.matched ? group.second - wide.cbegin() : -1);
            }
            state->matches.push_back(std::move(ranges));
            if (!state->global) break;
        }
    } catch (const std::exception&) {
        // The matcher gave up (its bounded effort or memory ran out): no matches rather than a crash.
        state->matches.clear();
        return false;
    }
    return true;
}

std::string RegexObject::GetPattern() const { return state_ ? state_->pattern : std::string(); }

std::string RegexObject::ReplaceAll(const std::string& replacement) const {
    if (!state_ || !state_->compiled) return subject_;
    const std::wstring& wide = state_->subject.wide;
    const auto& offsets = state_->subject.offsets;
    const std::wstring format = GbkToWide(replacement);
    std::string out;
    size_t copied = 0;  // bytes of the subject already in out
    try {
        for (MatchIterator it(wide.cbegin(), wide.cend(), state_->expression, state_->flags), end;
             it != end; ++it) {
            const size_t matchStart = offsets[static_cast<size_t>(it->position())];
            out.append(subject_, copied, matchStart - copied);
            out += WideToGbk(it->format(format));
            copied = offsets[static_cast<size_t>(it->position() + it->length())];
            if (!state_->global) break;
        }
    } catch (const std::exception&) {
        return subject_;
    }
    out.append(subject_, copied, std::string::npos);
    return out;
}

int RegexObject::MatchCount() const { return state_ ? static_cast<int>(state_->matches.size()) : 0; }

std::string RegexObject::MatchText(int index, int* position) const { return SubmatchText(index, 0, position); }

std::string RegexObject::SubmatchText(int matchIndex, int submatchIndex, int* position) const {
    if (position) *position = -1;
    if (!state_ || matchIndex < 1 || submatchIndex < 0 || matchIndex > MatchCount()) return {};
    const MatchRanges& ranges = state_->matches[static_cast<size_t>(matchIndex - 1)];
    if (static_cast<size_t>(submatchIndex) >= ranges.size()) return {};
    const auto [first, last] = ranges[static_cast<size_t>(submatchIndex)];
    if (first < 0) return {};
    // The subject's own bytes: exact, whatever the round trip through UTF-16 would make of them.
    const auto& offsets = state_->subject.offsets;
    const size_t begin = offsets[static_cast<size_t>(first)];
    const size_t end = offsets[static_cast<size_t>(last)];
    if (position) *position = static_cast<int>(begin);
    return subject_.substr(begin, end - begin);
}

int RegexObject::SubmatchCount() const {
    if (!state_ || state_->matches.empty()) return 0;
    return static_cast<int>(state_->matches.front().size()) - 1;
}

}  // namespace lumbra
