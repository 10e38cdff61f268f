#pragma once
// The only bridges between data texts (code page 936 bytes) and screen texts (UTF-16).
// Both name code page 936 explicitly, so texts read right whatever the system's ANSI code page.
#include <string>
#include <string_view>

namespace lumbra {

std::wstring GbkToWide(std::string_view text);
std::string WideToGbk(std::wstring_view text);

}  // namespace lumbra
