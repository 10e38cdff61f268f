#include "net/text_primitives.h"

#include <climits>

#include "net/gbk_bytes.h"

namespace lumbra::text {
namespace {

using gbk::CharacterLength;

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether pattern matches text at index, which is a character boundary. Letters are folded only
// where the text holds a single-byte character, never in the trailing byte of a pair.
bool MatchesAt(std::string_view text, size_t index, std::string_view pattern, bool caseSensitive) {
    if (text.size() - index < pattern.size()) return false;
    size_t characterEnd = index;  // end of the text character holding byte index + j
    for (size_t j = 0; j < pattern.size(); ++j) {
        const size_t at = index + j;
        bool single = false;
        if (at == characterEnd) {
            characterEnd = at + CharacterLength(text, at);
            single = characterEnd == at + 1;
        }
        const char t = text[at];
        const char p = pattern[j];
        if (caseSensitive || !single) {
            if (t != p) return false;
        } else if (FoldAscii(t) != FoldAscii(p)) {
            return false;
        }
    }
    return true;
}

template <typename Fold>
std::string MapSingleBytes(std::string_view text, Fold fold) {
    std::string out(text);
    for (size_t i = 0; i < out.size();) {
        const size_t length = CharacterLength(out, i);
        if (length == 1) out[i] = fold(out[i]);
        i += length;
    }
    return out;
}

}  // namespace

int Find(std::string_view text, std::string_view pattern, int start, bool caseSensitive) {
    if (text.empty() || text.size() > INT_MAX) return -1;
    if (pattern.empty()) return 1;
    size_t i = start < 1 ? 0 : static_cast<size_t>(start - 1);
    for (; i < text.size(); i += CharacterLength(text, i)) {
        if (MatchesAt(text, i, pattern, caseSensitive)) return static_cast<int>(i + 1);
    }
    return -1;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to, bool caseSensitive) {
    if (from.empty()) return std::string(text);
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (MatchesAt(text, i, from, caseSensitive)) {
            out += to;
            i += from.size();
        } else {
            const size_t step = CharacterLength(text, i);
            out.append(text.substr(i, step));
            i += step;
        }
    }
    return out;
}

std::string Left(std::string_view text, int count) {
    if (count <= 0) return {};
    return std::string(text.substr(0, static_cast<size_t>(count)));
}

std::string Right(std::string_view text, int count) {
    if (count <= 0) return {};
    const size_t n = static_cast<size_t>(count);
    return std::string(n >= text.size() ? text : text.substr(text.size() - n));
}

std::string Middle(std::string_view text, int position, int count) {
    if (position < 1 || count <= 0 || static_cast<size_t>(position) > text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(position - 1), static_cast<size_t>(count)));
}

std::string TrimBoth(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string RemoveSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

std::string Upper(std::string_view text) {
    return MapSingleBytes(text, [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
}

std::string Lower(std::string_view text) { return MapSingleBytes(text, FoldAscii); }

int Compare(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ToNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string BytesToText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace lumbra::text
