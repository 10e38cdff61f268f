#pragma once
// Code page 936 text decoded to UTF-16, remembering where each character began in the bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumbra {

struct DecodedText {
    std::wstring wide;
    std::vector<std::uint32_t> offsets;  // byte offset of each UTF-16 unit, then the total length
};

DecodedText DecodeWithOffsets(std::string_view text);

}  // namespace lumbra
