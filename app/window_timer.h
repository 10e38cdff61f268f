#pragma once
// A timer of a window, stopped with its owner.
#include <windows.h>

namespace lumbra {

class WindowTimer {
public:
    explicit WindowTimer(UINT_PTR id) : id_(id) {}
    ~WindowTimer() { Stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    UINT_PTR Id() const { return id_; }
    void Start(HWND window, UINT periodMs) {
        if (SetTimer(window, id_, periodMs, nullptr)) window_ = window;
    }
    void Stop() {
        if (window_) KillTimer(window_, id_);
        window_ = nullptr;
    }

private:
    UINT_PTR id_;
    HWND window_ = nullptr;
};

}  // namespace lumbra
