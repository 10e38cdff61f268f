#include "net/code_page_936.h"

#include <windows.h>

#include <climits>

namespace lumbra {
namespace {
constexpr UINT kGbk = 936;
}

std::wstring GbkToWide(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(kGbk, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(kGbk, 0, text.data(), length, wide.data(), units);
    return wide;
}

std::string WideToGbk(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(kGbk, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), length, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

}  // namespace lumbra
