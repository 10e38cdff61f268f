#pragma once
// Seeded random texts for the stress tests: code page 936 bytes that favour the awkward cases
// (high bytes, lone lead bytes, 0x80 and 0xFF, zero bytes) and pieces the code looks for.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lumbra::native {

class RandomText {
public:
    explicit RandomText(std::uint32_t seed) : engine_(seed) {}

    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool Chance(int percent) { return Between(0, 99) < percent; }

    // Any byte, with the interesting ones far more likely than chance would make them.
    char Byte() {
        static constexpr unsigned char kFavoured[] = {0x00, 0x20, 0x09, 0x0D, 0x0A, 'a', 'A', 'z', 'Z', '"', '#', 0x40,
                                                      0x7F, 0x80, 0x81, 0xA3, 0xA8, 0xA9, 0xD2, 0xFD, 0xFE, 0xFF};
        if (Chance(50)) return static_cast<char>(kFavoured[Between(0, sizeof(kFavoured) - 1)]);
        return static_cast<char>(Between(0, 255));
    }

    std::string Bytes(int maxLength) {
        std::string out;
        const int length = Between(0, maxLength);
        for (int i = 0; i < length; ++i) out += Byte();
        return out;
    }

    // Bytes interleaved with whole pieces, so that searches actually find something.
    std::string Mixed(const std::vector<std::string>& pieces, int maxParts) {
        std::string out;
        const int parts = Between(0, maxParts);
        for (int i = 0; i < parts; ++i) {
            if (Chance(40)) {
                out += pieces[static_cast<size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
            } else {
                out += Bytes(3);
            }
        }
        return out;
    }

    // Whole pieces only.
    std::string Pieces(const std::vector<std::string>& pieces, int maxParts) {
        std::string out;
        for (int i = Between(0, maxParts); i > 0; --i) {
            out += pieces[static_cast<size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
        }
        return out;
    }

    // Counts and positions around the edges that matter for a text of the given length.
    int Count(size_t length) {
        const int n = static_cast<int>(length);
        const int edges[] = {INT_MIN, INT_MIN + 1, -1000, -1, 0, 1, 2, n - 1, n, n + 1, n + 2, INT_MAX - 1, INT_MAX};
        if (Chance(60)) return edges[Between(0, static_cast<int>(std::size(edges)) - 1)];
        return Between(-3, n + 3);
    }

    std::mt19937& Engine() { return engine_; }

private:
    std::mt19937 engine_;
};

// Where each character of a code page 936 text begins, scanning from the start.
inline std::vector<bool> CharacterStarts(std::string_view text) {
    std::vector<bool> starts(text.size() + 1, false);
    size_t i = 0;
    while (i < text.size()) {
        starts[i] = true;
        const auto lead = static_cast<unsigned char>(text[i]);
        const bool pair = i + 1 < text.size() && lead >= 0x81 && lead <= 0xFE &&
                          static_cast<unsigned char>(text[i + 1]) >= 0x40 &&
                          static_cast<unsigned char>(text[i + 1]) != 0x7F &&
                          static_cast<unsigned char>(text[i + 1]) <= 0xFE;
        i += pair ? 2 : 1;
    }
    starts[text.size()] = true;
    return starts;
}

}  // namespace lumbra::native
