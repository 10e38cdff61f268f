// Downloads the two activity texts and hands them to the window's thread, which fills the lists.
#include "app/fetch_with_retries.h"
#include "app/load_failure.h"
#include "app/loaders.h"
#include "app/process_objects.h"
#include "app/site_address.h"
#include "app/worker_thread.h"

namespace lumbra {
namespace {

constexpr UINT kActivityFailureStyle = MB_OK | MB_TOPMOST;

bool LoadActivityText(HWND window, std::string_view path, const wchar_t* failureMessage,
                      std::string& destination) {
    std::string text = FetchWithRetries(SiteAddress(path));
    if (text.empty()) {
        ReportLoadFailure(window, failureMessage, kActivityFailureStyle);
        return false;
    }
    destination = std::move(text);
    return true;
}

}  // namespace

void StartActivityLoader(const MainWindowControls& controls) {
    WorkerThread loader([window = controls.window] {
        ProcessObjects& objects = TheProcessObjects();
        // The hot list is only asked for once the latest list arrived.
        if (!LoadActivityText(window, "/zxhd.txt", L"抱歉,获取最新活动失败,确定后自动关闭盒子！",
                              objects.latestActivityText) ||
            !LoadActivityText(window, "/rmhd.txt", L"抱歉,获取热门活动失败,确定后自动关闭盒子！",
                              objects.hotActivityText)) {
            return;
        }
        // Both texts are stored before the window's thread can read them.
        PostMessageW(window, kArmActivityTimer, 0, 0);
    });
}

}  // namespace lumbra
