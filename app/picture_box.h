#pragma once
// The picture box: shows a picture at its natural size from the top-left corner. Without a
// picture it shows an etched frame and its own text, so that the user sees what it is for.
// Pressing the left button on it tells the parent at once (not on release).
#include <windows.h>

namespace lumbra {

inline constexpr wchar_t kPictureBoxClass[] = L"LumbraPictureBox";
// Notification code of the WM_COMMAND that a picture box sends when the left button is pressed.
constexpr WORD kPictureBoxPressed = 1;

void RegisterPictureBoxClass();
// The box paints picture until it is given another; the caller keeps it alive meanwhile.
void SetPictureBoxPicture(HWND box, HBITMAP picture);

}  // namespace lumbra
