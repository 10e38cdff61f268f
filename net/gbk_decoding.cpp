#include "net/gbk_decoding.h"

#include <windows.h>

#include <array>

#include "net/gbk_bytes.h"

namespace lumbra {
namespace {

constexpr int kLeads = 0xFE - 0x81 + 1;
constexpr int kTrails = 0xFE - 0x40 + 1;

wchar_t DecodeOne(const char* bytes, int length) {
    wchar_t units[2];
    return MultiByteToWideChar(936, 0, bytes, length, units, 2) == 1 ? units[0] : L'\xFFFD';
}

// Every character of code page 936 as the platform decodes it, asked once: single bytes by
// value, two-byte characters by lead and trailing byte.
class CharacterTable {
public:
    CharacterTable() {
        for (int b = 0; b < 0x100; ++b) {
            const char byte = static_cast<char>(b);
            single_[static_cast<size_t>(b)] = b < 0x80 ? static_cast<wchar_t>(b) : DecodeOne(&byte, 1);
        }
        std::string pairs;
        pairs.reserve(kLeads * kTrails * 2);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                pairs += static_cast<char>(lead);
                pairs += static_cast<char>(trail == 0x7F ? 0x80 : trail);  // 0x7F is no trailing byte
            }
        }
        // One call for all pairs; should the platform not give one unit per pair, ask pair by pair.
        const int units = MultiByteToWideChar(936, 0, pairs.data(), static_cast<int>(pairs.size()), double_.data(),
                                              static_cast<int>(double_.size()));
        if (units != static_cast<int>(double_.size())) {
            for (size_t k = 0; k < double_.size(); ++k) double_[k] = DecodeOne(pairs.data() + 2 * k, 2);
        }
    }

    wchar_t Single(unsigned char byte) const { return single_[byte]; }
    wchar_t Double(unsigned char lead, unsigned char trail) const {
        return double_[static_cast<size_t>(lead - 0x81) * kTrails + (trail - 0x40)];
    }

private:
    std::array<wchar_t, 0x100> single_{};
    std::array<wchar_t, kLeads * kTrails> double_{};
};

}  // namespace

DecodedText DecodeWithOffsets(std::string_view text) {
    if (text.size() >= UINT32_MAX) return {{}, {0}};
    static const CharacterTable table;
    DecodedText decoded;
    decoded.wide.reserve(text.size());
    decoded.offsets.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        decoded.offsets.push_back(static_cast<std::uint32_t>(i));
        if (gbk::CharacterLength(text, i) == 2) {
            decoded.wide += table.Double(byte, static_cast<unsigned char>(text[i + 1]));
            i += 2;
        } else {
            decoded.wide += table.Single(byte);
            ++i;
        }
    }
    decoded.offsets.push_back(static_cast<std::uint32_t>(text.size()));
    return decoded;
}

}  // namespace lumbra
