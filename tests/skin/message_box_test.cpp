#include "skin/message_box.h"

#include "message_box_watcher.h"
#include "skin/window_properties.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace lumbra {
namespace {

using test::AnswerNextMessageBox;
using test::SeenMessageBox;

struct CaughtBox {
    HWND box;
    DWORD thread;
};
std::mutex gCaughtLock;
std::vector<CaughtBox> gCaught;

void RecordCaught(HWND box) {
    std::lock_guard lock(gCaughtLock);
    gCaught.push_back({box, GetCurrentThreadId()});
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        gCaught.clear();
        previous_ = SetMessageBoxDressing(RecordCaught);
    }
    void TearDown() override { SetMessageBoxDressing(previous_); }

    // Shows a box on this thread while a helper answers it; returns what the helper saw.
    SeenMessageBox ShowAndAnswer(const std::wstring& text, UINT style, const std::wstring& title, int& result) {
        auto seen = std::async(std::launch::async, AnswerNextMessageBox, GetCurrentThreadId(), 10000);
        result = SkinnedMessageBox(nullptr, text, style, title);
        auto box = seen.get();
        EXPECT_TRUE(box.has_value());
        return box.value_or(SeenMessageBox{});
    }

    MessageBoxDressing previous_ = nullptr;
};

TEST_F(MessageBoxTest, EachCallCatchesItsBoxAndOkReturnsZero) {
    struct Case {
        UINT style;
        bool icon;
        bool topmost;
    };
    const Case cases[] = {{48, true, false}, {0x40000, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        gCaught.clear();
        int result = -1;
        const SeenMessageBox seen = ShowAndAnswer(L"第一行\r\n\r\n第二行", c.style, L"盒子提示：", result);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(seen.title, L"盒子提示：");
        EXPECT_EQ(seen.text, L"第一行\r\n\r\n第二行");
        EXPECT_EQ(seen.hasIcon, c.icon);
        EXPECT_EQ((seen.exStyle & WS_EX_TOPMOST) != 0, c.topmost);
        ASSERT_EQ(gCaught.size(), 1u);
        EXPECT_EQ(gCaught[0].box, seen.box);
        EXPECT_EQ(gCaught[0].thread, GetCurrentThreadId());
    }
}

TEST_F(MessageBoxTest, TwoCallsInARowAreEachCaught) {
    int first = -1, second = -1;
    const HWND box1 = ShowAndAnswer(L"一", 0, L"盒子提示：", first).box;
    const HWND box2 = ShowAndAnswer(L"二", 0, L"盒子提示：", second).box;
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    ASSERT_EQ(gCaught.size(), 2u);
    EXPECT_EQ(gCaught[0].box, box1);
    EXPECT_EQ(gCaught[1].box, box2);
}

TEST_F(MessageBoxTest, BoxOfAWorkerIsCaughtOnTheWorkersThread) {
    std::promise<DWORD> workerId;
    int result = -1;
    std::thread worker([&] {
        workerId.set_value(GetCurrentThreadId());
        result = SkinnedMessageBox(nullptr, L"抱歉", 48, L"盒子提示：");
    });
    const DWORD id = workerId.get_future().get();
    const auto seen = AnswerNextMessageBox(id);
    worker.join();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(result, 0);
    ASSERT_EQ(gCaught.size(), 1u);
    EXPECT_EQ(gCaught[0].box, seen->box);
    EXPECT_EQ(gCaught[0].thread, id);
}

TEST_F(MessageBoxTest, OwnerOfTheBoxIsTheGivenWindow) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    auto seen = std::async(std::launch::async, AnswerNextMessageBox, GetCurrentThreadId(), 10000);
    EXPECT_EQ(SkinnedMessageBox(owner, L"x", 0x40000, L"t"), 0);
    const auto box = seen.get();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->owner, owner);
    DestroyWindow(owner);
}

INT_PTR CALLBACK IgnoreDialogMessage(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(UndressedMessageBox, OnlyMessageBoxDialogsWithoutASkinAreDressed) {
    // An empty dialog template gives a window of the dialog class "#32770".
    struct {
        DLGTEMPLATE header{WS_POPUP, 0, 0, 0, 0, 100, 100};
        WORD menu = 0, windowClass = 0, title = 0;
    } emptyDialog;
    HWND dialog = CreateDialogIndirectParamW(nullptr, &emptyDialog.header, nullptr, IgnoreDialogMessage, 0);
    HWND dressed = CreateDialogIndirectParamW(nullptr, &emptyDialog.header, nullptr, IgnoreDialogMessage, 0);
    SetPropW(dressed, kPropOldWindowProc, reinterpret_cast<HANDLE>(1));
    HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(dialog && dressed && button);

    EXPECT_TRUE(IsUndressedMessageBox(dialog));
    EXPECT_FALSE(IsUndressedMessageBox(dressed));
    EXPECT_FALSE(IsUndressedMessageBox(button));
    EXPECT_FALSE(IsUndressedMessageBox(nullptr));

    RemovePropW(dressed, kPropOldWindowProc);
    for (HWND window : {dialog, dressed, button}) DestroyWindow(window);
}

}  // namespace
}  // namespace lumbra
