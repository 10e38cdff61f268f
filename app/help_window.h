#pragma once
// HelpWindow: four beginner questions, each answered in a message box, and a close button.
// It has no owner and closing it never ends the program.
#include <windows.h>

namespace lumbra {

namespace help_window {

enum Control : int {
    图片框1 = 1,
    分组框_新手上路_1,
    按钮_认识盒子,
    分组框_新手上路_2,
    按钮_为什么部分杀毒软件会报毒,
    分组框_新手上路_3,
    按钮_最新活动几天以内更新的,
    分组框_新手上路_4,
    按钮_如何申请友情链接,
    按钮_关闭窗口,
};

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 261;
constexpr int kLeft = 50;
constexpr int kTop = 50;

}  // namespace help_window

// Opens the help window, non-modal; when it is open already, brings that one forward.
HWND LoadHelpWindow();

}  // namespace lumbra
