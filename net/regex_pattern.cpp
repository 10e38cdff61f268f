#include "net/regex_pattern.h"

namespace lumbra {

std::wstring DotRefusesLineFeedOnly(std::wstring_view pattern) {
    std::wstring out;
    out.reserve(pattern.size() + 16);
    bool inBrackets = false;
    size_t i = 0;
    while (i < pattern.size()) {
        const wchar_t c = pattern[i];
        if (c == L'\\' && i + 1 < pattern.size()) {
            if (!inBrackets && pattern[i + 1] == L'Q') {  // \Q...\E quotes everything up to \E
                const size_t end = pattern.find(L"\\E", i + 2);
                const size_t stop = end == std::wstring_view::npos ? pattern.size() : end + 2;
                out.append(pattern.substr(i, stop - i));
                i = stop;
                continue;
            }
            out.append(pattern.substr(i, 2));
            i += 2;
            continue;
        }
        if (inBrackets) {
            // "[:alpha:]", "[.x.]" and "[=x=]" inside a bracket hold their own closing bracket.
            if (c == L'[' && i + 1 < pattern.size() &&
                (pattern[i + 1] == L':' || pattern[i + 1] == L'.' || pattern[i + 1] == L'=')) {
                const wchar_t closing[] = {pattern[i + 1], L']', L'\0'};
                const size_t end = pattern.find(closing, i + 2);
                if (end != std::wstring_view::npos) {
                    out.append(pattern.substr(i, end + 2 - i));
                    i = end + 2;
                    continue;
                }
            }
            if (c == L']') inBrackets = false;
            out += c;
            ++i;
            continue;
        }
        if (c == L'[') {
            inBrackets = true;
            out += c;
            ++i;
            // A "]" right after "[" or "[^" is a literal member, not the end of the bracket.
            if (i < pattern.size() && pattern[i] == L'^') out += pattern[i++];
            if (i < pattern.size() && pattern[i] == L']') out += pattern[i++];
            continue;
        }
        if (c == L'.') {
            out += L"[^\\n]";
        } else {
            out += c;
        }
        ++i;
    }
    return out;
}

}  // namespace lumbra
