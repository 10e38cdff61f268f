#pragma once
// A loaded main window for each test, closed again afterwards with its loaders finished.
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app_environment.h"
#include "loopback_server.h"

#include <gtest/gtest.h>

namespace lumbra::test {

constexpr wchar_t kHelpWindowClass[] = L"LumbraHelpWindow";

// Waits until the loaders started after the given request counts have fetched their texts
// and had time to write what they fetched, so that no loader outlives its test.
inline void WaitForLoaders(int softwareRequestsBefore, int hotRequestsBefore) {
    EXPECT_TRUE(PumpUntil([&] {
        return Site().RequestCount("/rjxx.txt") > softwareRequestsBefore &&
               Site().RequestCount("/rmhd.txt") > hotRequestsBefore;
    }));
    PumpFor(200);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenedAddresses().clear();
        CaughtBoxes().clear();
        softwareRequests_ = Site().RequestCount("/rjxx.txt");
        hotRequests_ = Site().RequestCount("/rmhd.txt");
        loadStarted_ = GetTickCount64();
        ASSERT_TRUE(window_.Load());
    }
    void TearDown() override {
        WaitForLoaders(softwareRequests_, hotRequests_);
        if (HWND help = FindWindowW(kHelpWindowClass, nullptr)) DestroyWindow(help);
        if (window_.Window()) {
            SendMessageW(window_.Window(), WM_CLOSE, 0, 0);
            // Closing posts WM_QUIT; the loop takes it, so the next test starts with a clean queue.
            EXPECT_EQ(RunMessageLoop(), 0);
        }
    }

    HWND Control(int id) const { return window_.Control(id); }

    MainWindow window_;
    int softwareRequests_ = 0;
    int hotRequests_ = 0;
    ULONGLONG loadStarted_ = 0;
};

}  // namespace lumbra::test
