#pragma once
// How code page 936 bytes group into characters. Pure logic: no platform header.
#include <cstddef>
#include <string_view>

namespace lumbra::gbk {

inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// 2 when index starts a two-byte character, else 1. A lead byte without a valid trailing byte
// stands alone, so a stray lead byte never swallows the line feed or the end of the text.
inline size_t CharacterLength(std::string_view text, size_t index) {
    return (index + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[index])) &&
            IsTrailByte(static_cast<unsigned char>(text[index + 1])))
               ? 2
               : 1;
}

}  // namespace lumbra::gbk
