#pragma once
// Text primitives over code page 936 bytes: 1-based byte positions, -1 for "not found",
// double-byte aware scanning, and only ASCII letters folded when case is ignored.
// Pure logic: no platform header, so it also builds natively for sanitizers and fuzzing.
#include <string>
#include <string_view>

namespace lumbra::text {

// Position (from 1) of the first match of pattern at or after start, or -1. The scan steps over
// both bytes of a two-byte character, so a match never begins on a trailing byte.
int Find(std::string_view text, std::string_view pattern, int start = 1, bool caseSensitive = true);
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       bool caseSensitive = true);
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);
std::string Middle(std::string_view text, int position, int count);
std::string TrimBoth(std::string_view text);
std::string RemoveSpaces(std::string_view text);
std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
int Compare(std::string_view a, std::string_view b);
int ToNumber(std::string_view text);
// The bytes up to the first zero byte.
std::string BytesToText(std::string_view bytes);

}  // namespace lumbra::text
