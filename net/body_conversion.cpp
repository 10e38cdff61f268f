#include <windows.h>

#include <climits>

#include "net/code_page_936.h"
#include "net/web_page_access.h"

namespace lumbra {
namespace {

std::wstring Decode(UINT codePage, const std::string& text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), units);
    return wide;
}

}  // namespace

std::string Utf8ToGbk(const std::string& text) { return WideToGbk(Decode(CP_UTF8, text)); }

// Mapped to simplified characters before encoding, so no character is lost to code page 936;
// a character it still lacks becomes the platform's default character instead of ending the text.
std::string Big5ToGbkSimplified(const std::string& text) {
    const std::wstring traditional = Decode(950, text);
    if (traditional.empty()) return {};
    const LCID simplifiedChinese = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    const int length = static_cast<int>(traditional.size());
    const int units = LCMapStringW(simplifiedChinese, LCMAP_SIMPLIFIED_CHINESE, traditional.data(), length, nullptr, 0);
    if (units <= 0) return WideToGbk(traditional);
    std::wstring simplified(static_cast<size_t>(units), L'\0');
    LCMapStringW(simplifiedChinese, LCMAP_SIMPLIFIED_CHINESE, traditional.data(), length, simplified.data(), units);
    return WideToGbk(simplified);
}

}  // namespace lumbra
