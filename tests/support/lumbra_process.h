#pragma once
// Driving a running Lumbra.exe from another process: starting it, finding its windows and
// reading its controls (list views need memory inside the target process).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lumbra::test {

// The window class of Lumbra's main window.
inline constexpr wchar_t kMainWindowClass[] = L"LumbraMainWindow";

// The started program; a program still running when this is destroyed is ended, so a failed
// test leaves nothing behind.
class LumbraProcess {
public:
    explicit LumbraProcess(const std::wstring& exePath);
    ~LumbraProcess();
    LumbraProcess(const LumbraProcess&) = delete;
    LumbraProcess& operator=(const LumbraProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // The exit code, or nothing when the program still runs after timeoutMs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

std::vector<HWND> TopLevelWindows();
// Children, grandchildren and so on, depth first.
std::vector<HWND> Descendants(HWND window);
std::wstring ClassOf(HWND window);
// The first visible top-level window of process id with that class (and title, when given).
HWND FindProcessWindow(DWORD id, const std::wstring& className, const std::wstring& title = {});
// Every top-level window of process id, visible or not.
std::vector<HWND> ProcessWindows(DWORD id);
// Polls until found() gives a window or timeoutMs pass.
template <typename Find>
HWND WaitForWindow(Find found, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = found()) return window;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(20);
    }
}

// Descendants of window with the given class, in Z order of a depth-first walk.
std::vector<HWND> DescendantsOfClass(HWND window, const std::wstring& className);
// The window's text through WM_GETTEXT, which the system carries across processes.
std::wstring SentWindowText(HWND window);

int ListRowCount(HWND list);
// Texts of another process's list view, read through a buffer in that process.
std::wstring RemoteCellText(HWND list, int row, int column);
std::wstring RemoteHeaderText(HWND list, int column);

}  // namespace lumbra::test
