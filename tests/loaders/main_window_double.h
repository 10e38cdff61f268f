#pragma once
// A stand-in for the main window: a top-level window with the controls the loaders write to,
// counting the messages that loaders post to it.
#include "app/main_window_controls.h"

#include <functional>
#include <string>

namespace lumbra::test {

class MainWindowDouble {
public:
    MainWindowDouble();
    ~MainWindowDouble();
    MainWindowDouble(const MainWindowDouble&) = delete;
    MainWindowDouble& operator=(const MainWindowDouble&) = delete;

    const MainWindowControls& Controls() const { return controls_; }
    int ArmTimerCount() const { return armTimerCount_; }
    int EndProcessCount() const { return endProcessCount_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    MainWindowControls controls_;
    int armTimerCount_ = 0;
    int endProcessCount_ = 0;
};

// Processes this thread's messages until done() holds or timeoutMs pass; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD milliseconds);

std::wstring WindowText(HWND window);

}  // namespace lumbra::test
