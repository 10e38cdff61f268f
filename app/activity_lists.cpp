// The user-interface-thread side of the activity lists: filling them and opening a row's page.
#include "app/activity_rows.h"
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/shell_opener.h"
#include "net/code_page_936.h"

#include <commctrl.h>

#include <cwctype>

namespace lumbra {
namespace {

enum Column { kTitleColumn = 0, kTimeColumn = 1, kAddressColumn = 2 };

// Stops a list from painting while many rows go in, and repaints it once afterwards.
class RedrawPause {
public:
    explicit RedrawPause(HWND list) : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPause() {
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    HWND list_;
};

void SetCell(HWND list, int row, int column, const std::string& text) {
    if (text.empty()) return;  // new rows start with empty cells
    std::wstring wide = GbkToWide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void FillList(HWND list, RegexObject& regex, const std::string& text) {
    const std::vector<ActivityRecord> rows = CutActivityRows(regex, text);
    RedrawPause pause(list);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring title = GbkToWide(rows[i].title);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = title.data();
        const auto row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row < 0) break;
        SetCell(list, row, kTimeColumn, rows[i].time);
        SetCell(list, row, kAddressColumn, rows[i].address);
    }
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool StartsWithIgnoringCase(const std::wstring& text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::towlower(text[i]) != prefix[i]) return false;
    }
    return true;
}

// Only web pages: an address from the server must not start a local program.
bool IsWebAddress(const std::wstring& address) {
    return StartsWithIgnoringCase(address, L"http://") || StartsWithIgnoringCase(address, L"https://");
}

}  // namespace

void FillActivityLists(const MainWindowControls& controls) {
    ProcessObjects& objects = TheProcessObjects();
    FillList(controls.latestList, objects.activityRegex, objects.latestActivityText);
    FillList(controls.hotList, objects.activityRegex, objects.hotActivityText);
}

void OpenCurrentActivity(HWND list) {
    const auto row = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)));
    if (row < 0 || CellText(list, row, kTitleColumn).empty()) return;
    const std::wstring address = CellText(list, row, kAddressColumn);
    if (IsWebAddress(address)) OpenAddress(address);
}

}  // namespace lumbra
