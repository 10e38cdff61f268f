#pragma once
// Adapting the program's patterns to the matcher. Pure logic: no platform header.
#include <string>
#include <string_view>

namespace lumbra {

// The matcher's "." also refuses carriage return and other line separators; the program's "."
// refuses line feed only. Every unescaped "." outside brackets becomes "[^\n]".
std::wstring DotRefusesLineFeedOnly(std::wstring_view pattern);

}  // namespace lumbra
