#include "net/gbk_decoding.h"

#include <windows.h>

#include "net/code_page_936.h"
#include "net/gbk_bytes.h"

namespace lumbra {
namespace {

std::vector<std::uint32_t> CharacterOffsets(std::string_view text) {
    std::vector<std::uint32_t> offsets;
    offsets.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); i += gbk::CharacterLength(text, i)) {
        offsets.push_back(static_cast<std::uint32_t>(i));
    }
    offsets.push_back(static_cast<std::uint32_t>(text.size()));
    return offsets;
}

// Character by character, for texts whose invalid bytes the platform groups differently.
DecodedText DecodeEachCharacter(std::string_view text, const std::vector<std::uint32_t>& characters) {
    DecodedText decoded;
    for (size_t k = 0; k + 1 < characters.size(); ++k) {
        const std::uint32_t at = characters[k];
        const int length = static_cast<int>(characters[k + 1] - at);
        wchar_t units[4];
        int count = MultiByteToWideChar(936, 0, text.data() + at, length, units, 4);
        if (count <= 0) {
            units[0] = L'\xFFFD';
            count = 1;
        }
        for (int u = 0; u < count; ++u) {
            decoded.wide += units[u];
            decoded.offsets.push_back(at);
        }
    }
    decoded.offsets.push_back(static_cast<std::uint32_t>(text.size()));
    return decoded;
}

}  // namespace

DecodedText DecodeWithOffsets(std::string_view text) {
    if (text.size() >= UINT32_MAX) return {{}, {0}};
    std::vector<std::uint32_t> characters = CharacterOffsets(text);
    DecodedText decoded{GbkToWide(text), {}};
    // Every character of code page 936 is one UTF-16 unit; when the counts agree, so do the offsets.
    if (decoded.wide.size() + 1 == characters.size()) {
        decoded.offsets = std::move(characters);
        return decoded;
    }
    return DecodeEachCharacter(text, characters);
}

}  // namespace lumbra
