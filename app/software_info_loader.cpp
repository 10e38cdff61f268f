// Loads the software information: the version line and the six announcement captions.
#include "app/fetch_with_retries.h"
#include "app/load_failure.h"
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/site_address.h"
#include "app/software_info_text.h"
#include "app/worker_thread.h"
#include "net/code_page_936.h"

namespace lumbra {
namespace {

constexpr char kCurrentVersion[] = "1.0";

std::wstring VersionLine(const SoftwareInfo& info) {
    return L"当前版本:" + GbkToWide(info.currentVersion) + L"  -  最新版本:" +
           GbkToWide(info.latestVersion) + L"  -";
}

std::wstring AnnouncementCaption(const std::string& announcement) {
    return announcement.empty() ? std::wstring(L"公告：暂无内容！") : GbkToWide(announcement);
}

void LoadSoftwareInfo(const MainWindowControls& controls) {
    const std::string text = FetchWithRetries(SiteAddress("/rjxx.txt"));
    if (text.empty()) {
        ReportLoadFailure(controls.window, L"抱歉,获取软件信息失败,确定后自动关闭盒子！",
                          MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    auto fields = CutSoftwareFields(text);
    SoftwareInfo& info = TheProcessObjects().softwareInfo;
    info.latestVersion = std::move(fields[0]);
    for (size_t i = 0; i < info.announcements.size(); ++i) {
        info.announcements[i] = std::move(fields[i + 1]);
    }
    info.currentVersion = kCurrentVersion;

    // SetWindowTextW sends to the window's own thread, so the controls change there.
    SetWindowTextW(controls.versionLabel, VersionLine(info).c_str());
    for (size_t i = 0; i < controls.announcementButtons.size(); ++i) {
        SetWindowTextW(controls.announcementButtons[i], AnnouncementCaption(info.announcements[i]).c_str());
    }
}

}  // namespace

void StartSoftwareInfoLoader(const MainWindowControls& controls) {
    WorkerThread loader([controls] { LoadSoftwareInfo(controls); });
}

}  // namespace lumbra
