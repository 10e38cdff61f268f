#pragma once
// Answers message boxes from a helper thread while the thread under test is blocked in one.
#include <windows.h>

#include <optional>
#include <string>

namespace lumbra::test {

struct SeenMessageBox {
    HWND box = nullptr;
    HWND owner = nullptr;
    std::wstring title;
    std::wstring text;       // the texts of its static controls, joined by "|"
    LONG_PTR exStyle = 0;
    bool hasIcon = false;    // a static control shows an icon
};

// Waits for a visible message box of the given thread, reads it, then presses OK.
// Empty when none showed up within the time.
std::optional<SeenMessageBox> AnswerNextMessageBox(DWORD thread, DWORD timeoutMs = 10000);

}  // namespace lumbra::test
