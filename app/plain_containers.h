#pragma once
// Windows that hold controls in the plain look: the pages of a tab control and group boxes.
// A container paints its own inside, answers the colour requests of its controls and hands
// their notifications to its top-level window, whose procedure owns every event.
#include <windows.h>

namespace lumbra {

inline constexpr wchar_t kTabPageClass[] = L"LumbraTabPage";

void RegisterTabPageClass();
// Makes a group box a container of the controls created inside it.
void MakeGroupBoxContainer(HWND groupBox);

}  // namespace lumbra
