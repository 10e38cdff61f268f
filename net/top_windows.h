#pragma once
// The visible top-level windows of the desktop, as message boxes look for an owner among them.
#include <windows.h>

#include <string>
#include <vector>

namespace lumbra {

struct TopWindowInfo {
    HWND window = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;
    std::wstring title;      // read with a 256-character buffer
    std::wstring className;  // read with a 50-character buffer
};

std::vector<TopWindowInfo> VisibleTopWindows();

}  // namespace lumbra
