#include "message_box_watcher.h"

#include <cwchar>

namespace lumbra::test {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK TakeVisibleBox(HWND window, LPARAM found) {
    if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindBox(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, TakeVisibleBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::optional<SeenMessageBox> AnswerNextMessageBox(DWORD thread, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    HWND box = nullptr;
    while (!(box = FindBox(thread))) {
        if (GetTickCount64() > deadline) return std::nullopt;
        Sleep(20);
    }
    SeenMessageBox seen;
    seen.box = box;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.title = TextOf(box);
    seen.exStyle = GetWindowLongPtrW(box, GWL_EXSTYLE);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static") continue;
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.hasIcon = seen.hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
            continue;
        }
        const std::wstring text = TextOf(child);
        if (text.empty()) continue;
        if (!seen.text.empty()) seen.text += L"|";
        seen.text += text;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return seen;
}

}  // namespace lumbra::test
