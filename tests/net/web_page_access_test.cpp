#include "net/web_page_access.h"

#include <gtest/gtest.h>
#include <wininet.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "loopback_server.h"
#include "net/code_page_936.h"
#include "net/text_primitives.h"

namespace lumbra {
namespace {

using test::LoopbackServer;
using test::ScriptedAnswer;

std::string AsText(const ByteBuffer& bytes) { return std::string(bytes.begin(), bytes.end()); }

int CountIgnoringCase(const std::string& text, const std::string& part) {
    int count = 0;
    for (int at = text::Find(text, part, 1, false); at != -1; at = text::Find(text, part, at + 1, false)) ++count;
    return count;
}

class WebPageAccess : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Listening()); }

    // The one request that reached path.
    std::string RequestFor(const std::string& path) {
        for (const std::string& request : server.Requests()) {
            if (request.find(" " + path + " HTTP/1.1\r\n") != std::string::npos) return request;
        }
        return {};
    }

    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(server.Port()); }

    LoopbackServer server;
};

TEST_F(WebPageAccess, GetCompletesTheAddressAndSendsTheDefaultHeaders) {
    server.Serve("/page?q=1", {{"body bytes", "X-Answer: yes\r\n"}});
    std::string address = "  " + HostAndPort() + "/page?q=1  ";
    std::string headers;
    std::string returned;
    const ByteBuffer body = 网页_访问(address, std::nullopt, {}, &headers, {}, "a=1; b=2", 0, &returned);

    EXPECT_EQ(AsText(body), "body bytes");
    const std::string completed = "http://" + HostAndPort() + "/page?q=1";
    EXPECT_EQ(address, completed);
    const std::string request = RequestFor("/page?q=1");
    EXPECT_EQ(request.rfind("GET /page?q=1 HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nHost: " + HostAndPort() + "\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nAccept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
                           "application/x-shockwave-flash, application/vnd.ms-excel, "
                           "application/vnd.ms-powerpoint, application/msword, */*\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nReferer: " + completed + "\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nAccept-Language: zh-cn\r\n"), std::string::npos);
    EXPECT_NE(request.find("a=1; b=2"), std::string::npos);
    // The caller sees the lines that were added to its headers.
    EXPECT_NE(headers.find("Referer: " + completed + "\r\n"), std::string::npos);
    EXPECT_NE(headers.find("Cookie: a=1; b=2\r\n"), std::string::npos);
    EXPECT_EQ(returned.rfind("HTTP/1.1 200", 0), 0u) << returned;
    EXPECT_NE(returned.find("X-Answer: yes\r\n"), std::string::npos);
}

TEST_F(WebPageAccess, CallerHeadersInAnyCaseReplaceTheDefaults) {
    server.Serve("/h", {{"ok"}});
    std::string address = "http://" + HostAndPort() + "/h";
    std::string headers = "accept: text/plain\r\nREFERER: http://elsewhere/\r\naccept-LANGUAGE: en\r\n";
    网页_访问(address, 0, {}, &headers);

    const std::string request = RequestFor("/h");
    EXPECT_EQ(CountIgnoringCase(request, "\r\nAccept: "), 1) << request;
    EXPECT_EQ(CountIgnoringCase(request, "\r\nReferer: "), 1);
    EXPECT_EQ(CountIgnoringCase(request, "\r\nAccept-Language: "), 1);
    EXPECT_NE(request.find("text/plain"), std::string::npos);
    EXPECT_NE(request.find("http://elsewhere/"), std::string::npos);
    EXPECT_EQ(request.find("image/gif"), std::string::npos);
    EXPECT_EQ(request.find("zh-cn"), std::string::npos);
}

TEST_F(WebPageAccess, PostSendsTheFormAsBody) {
    server.Serve("/form", {{"posted"}});
    std::string address = "http://" + HostAndPort() + "/form";
    const std::string form = "name=%D6%D0&n=1";
    EXPECT_EQ(AsText(网页_访问(address, 1, {}, nullptr, form, "k=v")), "posted");

    const std::string request = RequestFor("/form");
    EXPECT_EQ(request.rfind("POST /form HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_EQ(CountIgnoringCase(request, "\r\nContent-Type: application/x-www-form-urlencoded\r\n"), 1);
    EXPECT_NE(request.find("\r\nContent-Length: " + std::to_string(form.size()) + "\r\n"), std::string::npos);
    EXPECT_NE(request.find("k=v"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - form.size()), form);
}

TEST_F(WebPageAccess, SetCookieLinesAreStoredForTheHost) {
    const std::string unique = std::to_string(GetTickCount());
    server.Serve("/cookies", {{"c",
                               "Set-Cookie: lumbra_one=v" + unique + "; path=/\r\n"
                               "Set-Cookie: without_equals\r\n"
                               "set-cookie: lumbra_two=w" + unique + "\r\n"}});
    std::string address = "http://" + HostAndPort() + "/cookies";
    std::string returned;
    EXPECT_EQ(AsText(网页_访问(address, std::nullopt, {}, nullptr, {}, {}, 0, &returned)), "c");
    EXPECT_NE(returned.find("without_equals"), std::string::npos);

    char stored[4096] = {};
    DWORD size = sizeof stored;
    ASSERT_TRUE(InternetGetCookieA("http://127.0.0.1/", nullptr, stored, &size));
    EXPECT_NE(std::string(stored).find("lumbra_one=v" + unique), std::string::npos) << stored;
    EXPECT_NE(std::string(stored).find("lumbra_two=w" + unique), std::string::npos) << stored;
}

TEST_F(WebPageAccess, HeaderBlockLongerThanTheFirstBufferArrivesWhole) {
    std::string longLines;
    for (int i = 0; i < 40; ++i) longLines += "X-Line-" + std::to_string(i) + ": " + std::string(150, 'h') + "\r\n";
    server.Serve("/long", {{"ok", longLines}});
    std::string address = "http://" + HostAndPort() + "/long";
    std::string returned;
    EXPECT_EQ(AsText(网页_访问(address, std::nullopt, {}, nullptr, {}, {}, 0, &returned)), "ok");
    EXPECT_NE(returned.find(longLines), std::string::npos) << returned.size();
}

TEST_F(WebPageAccess, BodyCutOffMidwayReturnsWhatArrived) {
    std::string body;
    for (int i = 0; body.size() < 40000; ++i) body += std::to_string(i) + ",";
    ScriptedAnswer cut{body};
    cut.closeMidBody = true;
    server.Serve("/cut", {cut});
    std::string address = "http://" + HostAndPort() + "/cut";
    EXPECT_EQ(AsText(网页_访问(address)), body.substr(0, body.size() / 2));
}

TEST_F(WebPageAccess, FetchPageTextEndsAtTheFirstZeroByte) {
    server.Serve("/zero-first", {{std::string("\0text", 5)}});
    server.Serve("/zero-inside", {{std::string("te\0xt", 5)}});
    server.Serve("/empty", {{""}});
    const std::string base = server.BaseAddress();
    EXPECT_EQ(FetchPageText(base + "/zero-first"), "");
    EXPECT_EQ(FetchPageText(base + "/zero-inside"), "te");
    EXPECT_EQ(FetchPageText(base + "/empty"), "");
    EXPECT_EQ(FetchPageText(base + "/not-served"), "");  // a 404 with an empty body
    EXPECT_EQ(server.RequestCount("/not-served"), 1);
}

TEST_F(WebPageAccess, BodyConversions) {
    server.Serve("/utf8", {{"\xE4\xB8\xAD\xE6\x96\x87!"}});        // 中文! in UTF-8
    server.Serve("/big5", {{"\xA4\xA4\xA4\xE5\xC5\xE9"}});          // 中文體 in Big5
    std::string address = server.BaseAddress() + "/utf8";
    EXPECT_EQ(AsText(网页_访问(address, std::nullopt, {}, nullptr, {}, {}, 1)), WideToGbk(L"中文!"));
    address = server.BaseAddress() + "/big5";
    const std::string converted = AsText(网页_访问(address, std::nullopt, {}, nullptr, {}, {}, 2));
    EXPECT_EQ(converted.substr(0, 4), WideToGbk(L"中文"));
    // Wine 8 has no traditional-to-simplified mapping and keeps 體, which code page 936 also holds.
    EXPECT_TRUE(converted.substr(4) == WideToGbk(L"体") || converted.substr(4) == WideToGbk(L"體")) << converted;
}

TEST_F(WebPageAccess, ProxyReceivesTheFullAddress) {
    // Proxies may be handed the default port explicitly; both forms name the same page.
    server.Serve("http://lumbra.test/via", {{"proxied"}});
    server.Serve("http://lumbra.test:80/via", {{"proxied"}});
    std::string address = "http://lumbra.test/via";
    EXPECT_EQ(AsText(网页_访问(address, std::nullopt, HostAndPort())), "proxied");
    EXPECT_EQ(server.RequestCount("http://lumbra.test/via") + server.RequestCount("http://lumbra.test:80/via"), 1);
}

TEST(WebPageAccessFailures, RefusedConnectionGivesEmptyTextQuickly) {
    std::string base;
    {
        LoopbackServer closed;
        base = closed.BaseAddress();
    }
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(FetchPageText(base + "/x"), "");
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10));
}

TEST(WebPageAccessFailures, WrongMethodShowsTheNoticeAndSendsNothing) {
    LoopbackServer server;
    std::atomic<bool> done{false};
    std::wstring shownText;
    // Answers the box as a user would, so the test never waits on it.
    std::thread user([&] {
        while (!done) {
            if (HWND box = FindWindowW(L"#32770", L"友情提醒")) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                shownText = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    std::string address = server.BaseAddress() + "/x";
    const ByteBuffer body = 网页_访问(address, 2);
    done = true;
    user.join();
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(shownText, L"【网页_访问】命令的第二个【访问方式】参数有误,请返回修改");
    EXPECT_TRUE(server.Requests().empty());
}

bool appMessageHandled = false;

LRESULT CALLBACK NoteAppMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_APP) appMessageHandled = true;
    return DefWindowProcW(window, message, w, l);
}

TEST(WebPageAccessWaiting, WindowMessagesRunWhileTheBodyArrives) {
    LoopbackServer server;
    server.Serve("/slow", {{"x"}});
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"LumbraFetchWaitTest";
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpfnWndProc = NoteAppMessage;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_APP, 0, 0);
    std::string address = server.BaseAddress() + "/slow";
    EXPECT_EQ(AsText(网页_访问(address)), "x");
    EXPECT_TRUE(appMessageHandled);
    DestroyWindow(window);
}

}  // namespace
}  // namespace lumbra
