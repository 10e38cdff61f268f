#pragma once
// The bridges between data texts (code page 936 bytes) and what the screen shows (UTF-16).
// Always code page 936, whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace lumbra {

std::wstring TextToWide(std::string_view text);
std::string WideToText(std::wstring_view text);

}  // namespace lumbra
