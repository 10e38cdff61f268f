#pragma once
// The three workers that the main window's creation starts, and the user-interface-thread
// halves of the activity lists.
#include "main_window_controls.h"

namespace lumbra {

// Each starts its worker and returns at once; the controls must outlive the process's work.
void StartAnnouncementReveal(const MainWindowControls& controls);
void StartSoftwareInfoLoader(const MainWindowControls& controls);
void StartActivityLoader(const MainWindowControls& controls);

// The event of 时钟_读入活动资源: fills both lists from the stored texts.
void FillActivityLists(const MainWindowControls& controls);
// The double-click on a list: opens the current row's address.
void OpenCurrentActivity(HWND list);

}  // namespace lumbra
