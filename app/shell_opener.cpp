#include "app/shell_opener.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>

namespace lumbra {
namespace {

void ShellOpen(const std::wstring& address) {
    // An address that no handler takes (no chat client installed) is not reported.
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::atomic<ShellOpener> gOpener{ShellOpen};

}  // namespace

void OpenAddress(const std::wstring& address) { gOpener.load()(address); }

ShellOpener SetShellOpener(ShellOpener opener) { return gOpener.exchange(opener ? opener : ShellOpen); }

}  // namespace lumbra
