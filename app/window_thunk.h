#pragma once
// The window procedure that ties a window to its C++ object. The object comes as the creation
// parameter; WM_NCCREATE stores it with the window and calls its OnNcCreate(HWND), every later
// message goes to its Handle, and WM_NCDESTROY unties it before calling its OnNcDestroy, after
// which the window no longer reaches the object (the hook may delete it).
// Window befriends WindowThunk<Window> when these members are private.
#include <windows.h>

namespace lumbra {

template <typename Window>
class WindowThunk {
public:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->OnNcCreate(window);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->OnNcDestroy();
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return self->Handle(message, wParam, lParam);
    }
};

}  // namespace lumbra
