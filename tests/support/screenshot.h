#pragma once
#include <windows.h>
#include <string>

namespace lumbra::test {

// Saves what the screen shows inside the window's rectangle (the whole screen for a null
// window) as <screenshot folder>/<name>.png and returns the file's path, empty on failure.
// The folder comes from LUMBRA_SCREENSHOTS, which CTest sets.
std::wstring SaveScreenshot(HWND window, const std::wstring& name);

}  // namespace lumbra::test
