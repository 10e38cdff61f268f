#pragma once
// What a loader does when its text could not be had: tell the user, then end the program.
#include <windows.h>

#include <string>

namespace lumbra {

// Shows the message box owned by window on the calling worker's thread; once it is closed,
// asks the window to end the process with exit code 0.
void ReportLoadFailure(HWND window, const std::wstring& message, UINT style);

}  // namespace lumbra
