#include "app/main_window_layout.h"

namespace lumbra::main_window {
namespace {

using K = ControlKind;

constexpr ListColumn kHotColumns[] = {{L"[热门]活动名称", 350}, {L"活动时间", 125}, {L"活动网址", 0}};
constexpr ListColumn kLatestColumns[] = {{L"[最新]活动名称", 350}, {L"活动时间", 125}, {L"活动网址", 0}};

constexpr wchar_t kAboutText[] =
    L"为了操作方便、快捷、才开发本作品、Lumbra、这是开始的第一步\r\n\r\n\r\n"
    L"支持系统:Win_xp32位、Win7_32位、Win7_64位、Win8_32位、Win8_64位\r\n\r\n\r\n"
    L"官方网站:lumbra.kiwo.cn  官方客服:4417093321  交流群:203817561";

constexpr wchar_t kDownloadSites[] =
    L"晨风下载站          青木软件园          蓝石资源网          云帆下载吧\r\n\r\n\r\n"
    L"飞鱼软件站          绿野下载            星河软件园          雨林资源站\r\n\r\n\r\n"
    L"小熊下载站          天桥软件库          麦田资源网          松果下载\r\n\r\n\r\n"
    L"橙子软件园          远山下载站          白鹭资源库          海豚软件站";

constexpr wchar_t kForums[] =
    L"Kiwo活动论坛        晨风技术社区        青木交流论坛        蓝石网友之家\r\n\r\n\r\n"
    L"云帆活动吧          飞鱼福利社区        星河资源论坛        雨林网友俱乐部\r\n\r\n\r\n"
    L"小熊福利论坛        麦田活动社区        远山技术论坛        海豚交流吧";

constexpr wchar_t kAnnouncementPending[] = L"公告：正在获取,请销等...";

constexpr ControlDef kLayout[] = {
    {K::PictureBox, 图片框_背景加工, kTheWindow, 7, 26, 593, 102, L""},
    {K::PictureBox, 图片框_软件首页, kTheWindow, 6, 136, 88, 80, L"软件首页"},
    {K::PictureBox, 图片框_热门活动, kTheWindow, 6, 216, 88, 80, L"热门活动"},
    {K::PictureBox, 图片框_最新活动, kTheWindow, 8, 296, 88, 80, L"最新活动"},
    {K::PictureBox, 图片框_友情链接, kTheWindow, 8, 376, 88, 80, L"友情链接"},
    {K::TabControl, 高级选择夹_导航列表, kTheWindow, 97, 137, 508, 314, L""},
    {K::TabPage, 页面_软件首页, 高级选择夹_导航列表, 0, 0, 508, 314, L"软件首页"},
    {K::TabPage, 页面_热门活动, 高级选择夹_导航列表, 0, 0, 508, 314, L"热门活动"},
    {K::TabPage, 页面_最新活动, 高级选择夹_导航列表, 0, 0, 508, 314, L"最新活动"},
    {K::TabPage, 页面_友情链接, 高级选择夹_导航列表, 0, 0, 508, 314, L"友情链接"},

    {K::GroupBox, 分组框_软件说明, 页面_软件首页, 1, -4, 506, 107, L""},
    {K::TransparentLabel, 透明标签1, 分组框_软件说明, 70, 14, 392, 83, kAboutText},
    {K::GroupBox, 分组框_软件公告, 页面_软件首页, 1, 102, 315, 183, L""},
    {K::Button, 按钮_公告信息_1, 分组框_软件公告, 3, 10, 310, 26, kAnnouncementPending, false},
    {K::Button, 按钮_公告信息_2, 分组框_软件公告, 3, 38, 310, 26, kAnnouncementPending, false},
    {K::Button, 按钮_公告信息_3, 分组框_软件公告, 3, 67, 310, 26, kAnnouncementPending, false},
    {K::Button, 按钮_公告信息_4, 分组框_软件公告, 3, 95, 310, 26, kAnnouncementPending, false},
    {K::Button, 按钮_公告信息_5, 分组框_软件公告, 3, 123, 310, 26, kAnnouncementPending, false},
    {K::Button, 按钮_公告信息_6, 分组框_软件公告, 3, 152, 310, 26, kAnnouncementPending, false},
    {K::GroupBox, 分组框_软件信息, 页面_软件首页, 1, 280, 315, 32, L""},
    {K::TransparentLabel, 透明标签_版本信息, 分组框_软件信息, 9, 12, 295, 16, L"当前版本:正在获取  -  最新版本:正在获取  -"},
    {K::GroupBox, 分组框_客服链接, 页面_软件首页, 316, 102, 191, 210, L""},
    {K::Button, 按钮_官方客服_Avi, 分组框_客服链接, 5, 11, 179, 33, L"   官方客服^Aven"},
    {K::Button, 按钮_官方客服_Lirae, 分组框_客服链接, 5, 50, 177, 33, L"   官方客服^Lirae"},
    {K::Button, 按钮_官方客服_Bosk, 分组框_客服链接, 5, 89, 179, 33, L"   官方客服^Bosk"},
    {K::Button, 按钮_官方客服_Kunder, 分组框_客服链接, 5, 130, 179, 33, L"   官方客服^Kunder"},
    {K::Button, 按钮_官方客服_Jexa, 分组框_客服链接, 5, 171, 179, 33, L"   官方客服^Jexa"},

    {K::ReportList, 超级列表框_热门活动, 页面_热门活动, 2, 3, 501, 309, L"", true, kHotColumns},
    {K::ReportList, 超级列表框_最新活动, 页面_最新活动, 2, 3, 501, 309, L"", true, kLatestColumns},

    {K::GroupBox, 分组框_下载社区, 页面_友情链接, 1, 6, 506, 166, L"下载社区"},
    {K::TransparentLabel, 透明标签_下载站_友情链接, 分组框_下载社区, 6, 28, 496, 120, kDownloadSites},
    {K::GroupBox, 分组框_论坛社区, 页面_友情链接, 1, 179, 506, 128, L"论坛社区"},
    {K::TransparentLabel, 透明标签3, 分组框_论坛社区, -2, 30, 504, 87, kForums},
};

}  // namespace

std::span<const ControlDef> Layout() { return kLayout; }

}  // namespace lumbra::main_window
