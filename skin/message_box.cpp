#include "skin/message_box.h"

#include "skin/window_properties.h"

#include <atomic>
#include <cwchar>
#include <utility>

namespace lumbra {
namespace {

std::atomic<MessageBoxDressing> gDressing{nullptr};

// Per thread, not per process: two workers may each show a failure box at the same time,
// and neither may remove the other's hook.
thread_local HHOOK tHook = nullptr;
thread_local UINT tStyle = 0;  // the style of the box the hook waits for

void RemoveHook() {
    if (tHook) UnhookWindowsHookEx(std::exchange(tHook, nullptr));
}

LRESULT CALLBACK CatchMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsUndressedMessageBox(window)) {
            // One box per call: once caught, nothing else on this thread is looked at.
            RemoveHook();
            // Some platforms (Wine) ignore MB_TOPMOST; an answer must stay above other windows.
            if (tStyle & MB_TOPMOST) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            if (MessageBoxDressing dressing = gDressing.load()) dressing(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hook of one call. A box shown while another call's box is open (a nested call on the
// same thread) gets a hook of its own; the outer call's hook comes back afterwards.
class MessageBoxHook {
public:
    explicit MessageBoxHook(UINT style)
        : outer_(std::exchange(tHook, SetWindowsHookExW(WH_CBT, CatchMessageBox, nullptr, GetCurrentThreadId()))),
          outerStyle_(std::exchange(tStyle, style)) {}
    ~MessageBoxHook() {
        RemoveHook();
        tHook = outer_;
        tStyle = outerStyle_;
    }
    MessageBoxHook(const MessageBoxHook&) = delete;
    MessageBoxHook& operator=(const MessageBoxHook&) = delete;

private:
    HHOOK outer_;
    UINT outerStyle_;
};

}  // namespace

int SkinnedMessageBox(HWND owner, const std::wstring& text, UINT style, const std::wstring& title) {
    MessageBoxHook hook(style);
    return MessageBoxExW(owner, text.c_str(), title.c_str(), style, 0) - 1;
}

MessageBoxDressing SetMessageBoxDressing(MessageBoxDressing dressing) {
    return gDressing.exchange(dressing);
}

bool IsUndressedMessageBox(HWND window) {
    wchar_t className[16] = {};
    if (!GetClassNameW(window, className, static_cast<int>(std::size(className)))) return false;
    return std::wcscmp(className, L"#32770") == 0 && !GetPropW(window, kPropOldWindowProc);
}

}  // namespace lumbra
