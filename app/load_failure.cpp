#include "app/load_failure.h"

#include "app/main_window_controls.h"
#include "skin/message_box.h"

namespace lumbra {

void ReportLoadFailure(HWND window, const std::wstring& message, UINT style) {
    SkinnedMessageBox(window, message, style, L"盒子提示：");
    // The window's thread ends the process, so the tray icon goes with it.
    PostMessageW(window, kEndProcess, 0, 0);
}

}  // namespace lumbra
