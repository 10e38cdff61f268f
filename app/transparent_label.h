#pragma once
// The transparent label: text drawn over its parent's painting (WS_EX_TRANSPARENT, no
// background of its own). Its lines are laid out 12 pixels apart as the design's "宋体"
// lays them out, closer when the font's glyphs are taller, so the last line still fits.
#include <windows.h>

namespace lumbra {

inline constexpr wchar_t kTransparentLabelClass[] = L"LumbraTransparentLabel";

void RegisterTransparentLabelClass();

}  // namespace lumbra
