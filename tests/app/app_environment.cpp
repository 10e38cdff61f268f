#include "app_environment.h"

#include "app/process_objects.h"
#include "app/shell_opener.h"
#include "app/site_address.h"
#include "draw/gdiplus_session.h"
#include "loopback_server.h"
#include "net/code_page_936.h"
#include "skin/message_box.h"

#include <gtest/gtest.h>

#include <memory>

namespace lumbra::test {
namespace {

class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        gdiplus_ = std::make_unique<GdiplusSession>();
        objects_ = std::make_unique<ProcessObjects>();
        server_ = std::make_unique<LoopbackServer>();
        ASSERT_TRUE(server_->Listening());
        server_->Serve("/rjxx.txt", {{WideToGbk(L"sdjasd（1.2）akxsds\r\nxksdfs（第一条公告）ksdjsd\r\n")}});
        server_->Serve("/zxhd.txt",
                       {{WideToGbk(L"最新活动一<hdbtbby>2014-04-06<hdsjbby>http://host/z1.html<hddzbby>\r\n"
                                   L"最新活动二<hdbtbby>2014-04-07<hdsjbby>http://host/z2.html<hddzbby>\r\n")}});
        server_->Serve("/rmhd.txt", {{WideToGbk(L"热门活动一<hdbtbby>2014-05-01<hdsjbby>http://host/r1.html<hddzbby>\r\n")}});
        SetSiteBase(server_->BaseAddress());
        SetShellOpener([](const std::wstring& address) { OpenedAddresses().push_back(address); });
        SetMessageBoxDressing([](HWND box) { CaughtBoxes().push_back(box); });
    }
    void TearDown() override {
        SetMessageBoxDressing(nullptr);
        SetShellOpener(nullptr);
    }
    LoopbackServer& Server() { return *server_; }

private:
    std::unique_ptr<GdiplusSession> gdiplus_;
    std::unique_ptr<ProcessObjects> objects_;
    std::unique_ptr<LoopbackServer> server_;
};

AppEnvironment* const kEnvironment =
    static_cast<AppEnvironment*>(::testing::AddGlobalTestEnvironment(new AppEnvironment));

}  // namespace

LoopbackServer& Site() { return kEnvironment->Server(); }

std::vector<std::wstring>& OpenedAddresses() {
    static std::vector<std::wstring> addresses;
    return addresses;
}

std::vector<HWND>& CaughtBoxes() {
    static std::vector<HWND> boxes;
    return boxes;
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                                  QS_ALLINPUT);
    }
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow()) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    }
    return place;
}

}  // namespace lumbra::test
