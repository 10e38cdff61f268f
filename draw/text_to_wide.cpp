#include "draw/text_to_wide.h"

#include <windows.h>

namespace lumbra {
namespace {

constexpr UINT kCodePage = 936;

}  // namespace

std::wstring TextToWide(std::string_view text) {
    text = text.substr(0, text.find('\0'));  // a data text ends at its first zero byte
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string WideToText(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(kCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace lumbra
