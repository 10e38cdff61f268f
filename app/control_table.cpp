#include "app/control_table.h"

#include "app/picture_box.h"
#include "app/plain_containers.h"
#include "app/transparent_label.h"

#include <commctrl.h>

#include <algorithm>

namespace lumbra {
namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PictureBox:
        return {kPictureBoxClass, 0, 0};
    case ControlKind::TabControl:
        return {WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, 0};
    case ControlKind::TabPage:
        return {kTabPageClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::GroupBox:
        return {WC_BUTTONW, BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::TransparentLabel:
        return {kTransparentLabelClass, 0, WS_EX_TRANSPARENT};
    case ControlKind::Button:
        return {WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::ReportList:
        return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    return {};
}

void RegisterControlClasses() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        RegisterPictureBoxClass();
        RegisterTabPageClass();
        RegisterTransparentLabelClass();
        return true;
    }();
    (void)registered;
}

void AddColumns(HWND list, std::span<const ListColumn> columns) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i].text);
        column.cx = columns[i].width;
        column.iSubItem = static_cast<int>(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void AddTab(HWND tabControl, const wchar_t* text) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    const auto count = SendMessageW(tabControl, TCM_GETITEMCOUNT, 0, 0);
    SendMessageW(tabControl, TCM_INSERTITEMW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item));
}

// The pages of a tab control, in the order of its tabs.
std::vector<HWND> PagesOf(HWND tabControl) {
    std::vector<HWND> pages;
    for (HWND child = GetWindow(tabControl, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (lstrcmpW(name, kTabPageClass) == 0) pages.push_back(child);
    }
    // Page ids follow the table, and so the order of the tabs.
    std::sort(pages.begin(), pages.end(), [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
    return pages;
}

}  // namespace

std::vector<HWND> CreateControls(HWND window, std::span<const ControlDef> table, HFONT font) {
    RegisterControlClasses();
    int maxId = 0;
    for (const ControlDef& def : table) maxId = std::max(maxId, def.id);
    std::vector<HWND> controls(static_cast<size_t>(maxId) + 1);
    controls[kTheWindow] = window;

    for (const ControlDef& def : table) {
        const WindowKind kind = KindOf(def.kind);
        const bool visible = def.visible && def.kind != ControlKind::TabPage;
        HWND parent = controls[static_cast<size_t>(def.parent)];
        HWND control = CreateWindowExW(kind.exStyle, kind.className, def.text,
                                       WS_CHILD | WS_CLIPSIBLINGS | kind.style | (visible ? WS_VISIBLE : 0), def.x,
                                       def.y, def.width, def.height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)), GetModuleHandleW(nullptr),
                                       nullptr);
        controls[static_cast<size_t>(def.id)] = control;
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        switch (def.kind) {
        case ControlKind::TabPage:
            AddTab(parent, def.text);
            break;
        case ControlKind::GroupBox:
            MakeGroupBoxContainer(control);
            break;
        case ControlKind::ReportList:
            AddColumns(control, def.columns);
            break;
        default:
            break;
        }
    }
    return controls;
}

void ShowTabPage(HWND tabControl, int index) {
    const std::vector<HWND> pages = PagesOf(tabControl);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (static_cast<int>(i) != index) ShowWindow(pages[i], SW_HIDE);
    }
    if (index >= 0 && static_cast<size_t>(index) < pages.size()) ShowWindow(pages[static_cast<size_t>(index)], SW_SHOW);
}

}  // namespace lumbra
