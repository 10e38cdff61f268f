#include "lumbra_process.h"

#include <commctrl.h>

namespace lumbra::test {
namespace {

constexpr int kRemoteTextCapacity = 4096;  // characters

// A block of memory inside another process.
class RemoteBlock {
public:
    RemoteBlock(DWORD processId, size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)) {
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* Address() const { return static_cast<char*>(address_); }
    bool Write(size_t offset, const void* data, size_t size) const {
        return address_ && WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return address_ && ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_ = nullptr;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

// Sends message with a structure whose text pointer points at a buffer beside it in the
// target process, and reads the text back.
template <typename Item>
std::wstring RemoteText(HWND window, UINT message, WPARAM wParam, Item item, LPWSTR Item::*text,
                        int Item::*capacity) {
    RemoteBlock block(ProcessOf(window), sizeof(Item) + kRemoteTextCapacity * sizeof(wchar_t));
    if (!block.Address()) return {};
    item.*text = reinterpret_cast<LPWSTR>(block.Address() + sizeof(Item));
    item.*capacity = kRemoteTextCapacity;
    const wchar_t nothing = 0;
    if (!block.Write(0, &item, sizeof item) || !block.Write(sizeof(Item), &nothing, sizeof nothing)) return {};
    SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(block.Address()));
    std::wstring buffer(kRemoteTextCapacity, L'\0');
    if (!block.Read(sizeof(Item), buffer.data(), buffer.size() * sizeof(wchar_t))) return {};
    buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
    return buffer;
}

}  // namespace

LumbraProcess::LumbraProcess(const std::wstring& exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

LumbraProcess::~LumbraProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

std::optional<DWORD> LumbraProcess::WaitForExit(DWORD timeoutMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return code;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> windows;
    EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ProcessWindows(DWORD id) {
    std::vector<HWND> found;
    for (HWND window : TopLevelWindows()) {
        if (ProcessOf(window) == id) found.push_back(window);
    }
    return found;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

HWND FindProcessWindow(DWORD id, const std::wstring& className, const std::wstring& title) {
    for (HWND window : ProcessWindows(id)) {
        if (ClassOf(window) == className && IsWindowVisible(window) && (title.empty() || SentWindowText(window) == title)) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> DescendantsOfClass(HWND window, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND child : Descendants(window)) {
        if (ClassOf(child) == className) found.push_back(child);
    }
    return found;
}

std::wstring SentWindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

int ListRowCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count)) return 0;
    return static_cast<int>(count);
}

std::wstring RemoteCellText(HWND list, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    return RemoteText(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item, &LVITEMW::pszText, &LVITEMW::cchTextMax);
}

std::wstring RemoteHeaderText(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_TEXT;
    return RemoteText(header, HDM_GETITEMW, static_cast<WPARAM>(column), item, &HDITEMW::pszText, &HDITEMW::cchTextMax);
}

}  // namespace lumbra::test
