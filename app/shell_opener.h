#pragma once
// Hands an address to the shell. Tests replace the opener to see what would have been opened.
#include <string>

namespace lumbra {

using ShellOpener = void (*)(const std::wstring& address);

void OpenAddress(const std::wstring& address);
// Replaces the opener (ShellExecuteW by default) and returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener);

}  // namespace lumbra
