#pragma once
// The one call through which the program shows a message. While the box opens, a hook on the
// calling thread catches it and hands it to the message-box dressing, when one is installed.
#include <windows.h>

#include <string>

namespace lumbra {

// Shows the platform's message box and blocks the calling thread until it is closed.
// Returns the pressed button's identifier minus 1 (0 for OK).
int SkinnedMessageBox(HWND owner, const std::wstring& text, UINT style, const std::wstring& title);

// Called on the box's own thread when the box is first activated.
using MessageBoxDressing = void (*)(HWND box);
// Installs the dressing (none at start) and returns the previous one.
MessageBoxDressing SetMessageBoxDressing(MessageBoxDressing dressing);

// A window is dressed when it is a dialog of the platform's message-box class and the skin
// has not taken it over yet.
bool IsUndressedMessageBox(HWND window);

}  // namespace lumbra
