#pragma once
// What the window tests share: a site on loopback, the drawing session, the process-wide
// objects, a recording shell opener and message-box dressing, and a message pump.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace lumbra::test {

class LoopbackServer;

// The site that the loaders fetch from.
LoopbackServer& Site();
// Addresses handed to the shell, in order.
std::vector<std::wstring>& OpenedAddresses();
// Boxes caught by the message-box hook, in order.
std::vector<HWND>& CaughtBoxes();

// Processes this thread's messages for the given time.
void PumpFor(DWORD milliseconds);
// Processes messages until done() holds or the time is up; tells whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

std::wstring WindowText(HWND window);
// A window's place relative to its parent's client area (the screen for a top-level window).
RECT PlaceInParent(HWND window);

}  // namespace lumbra::test
