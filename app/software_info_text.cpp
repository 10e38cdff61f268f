#include "app/software_info_text.h"

#include "net/text_between.h"

namespace lumbra {
namespace {

// "（" and "）" in code page 936.
constexpr std::string_view kOpenParenthesis = "\xA3\xA8";
constexpr std::string_view kCloseParenthesis = "\xA3\xA9";

struct MarkerPair {
    std::string_view startLetters;
    std::string_view endLetters;
};

constexpr std::array<MarkerPair, kSoftwareFieldCount> kMarkers{{
    {"sdjasd", "akxsds"},
    {"xksdfs", "ksdjsd"},
    {"xksdxs", "xnhsmd"},
    {"dqwknd", "oosdka"},
    {"fjshds", "scksao"},
    {"pwejks", "sksjhx"},
    {"xaskno", "dwqhbs"},
}};

}  // namespace

std::array<std::string, kSoftwareFieldCount> CutSoftwareFields(std::string_view text) {
    std::array<std::string, kSoftwareFieldCount> fields;
    for (size_t i = 0; i < kMarkers.size(); ++i) {
        std::string start = std::string(kMarkers[i].startLetters) + std::string(kOpenParenthesis);
        std::string end = std::string(kCloseParenthesis) + std::string(kMarkers[i].endLetters);
        fields[i] = TextBetween(text, start, end);
    }
    return fields;
}

}  // namespace lumbra
