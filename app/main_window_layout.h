#pragma once
// The main window's controls: identifiers, places, sizes and design texts.
#include "app/control_table.h"

#include <span>

namespace lumbra {

namespace main_window {

enum Control : int {
    图片框_背景加工 = 1,
    图片框_软件首页,
    图片框_热门活动,
    图片框_最新活动,
    图片框_友情链接,
    高级选择夹_导航列表,
    页面_软件首页,
    页面_热门活动,
    页面_最新活动,
    页面_友情链接,
    分组框_软件说明,
    透明标签1,
    分组框_软件公告,
    按钮_公告信息_1,
    按钮_公告信息_2,
    按钮_公告信息_3,
    按钮_公告信息_4,
    按钮_公告信息_5,
    按钮_公告信息_6,
    分组框_软件信息,
    透明标签_版本信息,
    分组框_客服链接,
    按钮_官方客服_Avi,
    按钮_官方客服_Lirae,
    按钮_官方客服_Bosk,
    按钮_官方客服_Kunder,
    按钮_官方客服_Jexa,
    超级列表框_热门活动,
    超级列表框_最新活动,
    分组框_下载社区,
    透明标签_下载站_友情链接,
    分组框_论坛社区,
    透明标签3,
};

// The window's client area: the design places every control in it.
constexpr int kClientWidth = 615;
constexpr int kClientHeight = 458;
constexpr int kLeft = 50;
constexpr int kTop = 50;

// The navigation picture boxes, in the order of the pages they select.
constexpr Control kNavigationBoxes[] = {图片框_软件首页, 图片框_热门活动, 图片框_最新活动, 图片框_友情链接};

std::span<const ControlDef> Layout();

}  // namespace main_window

}  // namespace lumbra
