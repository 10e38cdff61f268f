#pragma once
// Controls of a window described as a table and created from it.
#include <windows.h>

#include <span>
#include <vector>

namespace lumbra {

enum class ControlKind {
    PictureBox,        // see picture_box.h
    TabControl,
    TabPage,           // a page of the tab control that is its parent; covers the whole control
    GroupBox,          // a container of the controls placed inside it
    TransparentLabel,  // text over the parent's painting
    Button,
    ReportList,        // report-style list view, full-row selection
};

struct ListColumn {
    const wchar_t* text;
    int width;
};

struct ControlDef {
    ControlKind kind;
    int id;       // control identifier, unique in its window, > 0
    int parent;   // id of the parent control; kTheWindow for the window itself
    int x, y, width, height;  // relative to the parent's client area
    const wchar_t* text;
    bool visible = true;
    std::span<const ListColumn> columns = {};  // report lists only
};

constexpr int kTheWindow = 0;

// Creates the controls in table order (every parent before its children) and gives each the
// font; the window of a control is at the index of its id. Pages start hidden: ShowTabPage
// shows one.
std::vector<HWND> CreateControls(HWND window, std::span<const ControlDef> table, HFONT font);

// Shows the page of the given index of a tab control and hides its other pages.
void ShowTabPage(HWND tabControl, int index);

}  // namespace lumbra
