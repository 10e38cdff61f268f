// The request header block and the cookie lines over seeded random headers.
#include <gtest/gtest.h>

#include <string>

#include "net/request_headers.h"
#include "net/text_primitives.h"
#include "tests/native/random_text.h"

namespace lumbra {
namespace {

using native::RandomText;

const std::vector<std::string> kHeaderLines = {"Accept: */*\r\n", "aCCEPT: x\r\n", "Referer: http://a/\r\n",
                                               "accept-language: en\r\n", "X-Other: \xD6\xD0\r\n", "Cookie: a=b\r\n",
                                               "\x81\r\n", "Accept:no-space\r\n", "\r\n"};

TEST(NativeRequestHeaders, OnlyAppendsAndOnlyWhatIsMissing) {
    RandomText random(21);
    for (int round = 0; round < 30000; ++round) {
        std::string headers;
        for (int i = random.Between(0, 4); i > 0; --i) {
            headers += kHeaderLines[static_cast<size_t>(random.Between(0, static_cast<int>(kHeaderLines.size()) - 1))];
        }
        const std::string given = headers;
        const bool post = random.Chance(50);
        const std::string address = random.Bytes(8), form = random.Chance(30) ? "" : random.Bytes(12);
        const std::string cookies = random.Chance(50) ? "" : random.Bytes(6);

        const std::string body = CompleteRequestHeaders(headers, post, address, form, cookies);

        ASSERT_EQ(body, post ? form : "");
        ASSERT_EQ(headers.compare(0, given.size(), given), 0) << "the caller's lines stay first and whole";
        for (const char* name : {"Accept: ", "Referer: ", "Accept-Language: "}) {
            ASSERT_NE(text::Find(headers, name, 1, false), -1) << name;
        }
        const bool formLines = post && !form.empty();
        ASSERT_EQ(headers.find("Content-Length: " + std::to_string(form.size()) + "\r\n") != std::string::npos, formLines);
        if (!cookies.empty()) {
            ASSERT_NE(headers.find("Cookie: " + cookies + "\r\n\r\n"), std::string::npos);
        }

        // A complete block gains nothing more from a plain GET.
        std::string again = headers;
        ASSERT_EQ(CompleteRequestHeaders(again, false, address, form, ""), "");
        ASSERT_EQ(again, headers);
    }
}

TEST(NativeSetCookieLines, NamedCookiesFromAnyHeaderBlock) {
    RandomText random(22);
    const std::vector<std::string> pieces = {"Set-Cookie: ", "set-cookie: ", "SET-COOKIE:", "=", "==", "\r\n", "\r", "\n",
                                             "a", "\xD6\xD0", "\x81", std::string(1, '\0'), "; path=/"};
    for (int round = 0; round < 50000; ++round) {
        const std::string raw = random.Mixed(pieces, 12);
        const std::vector<CookieLine> cookies = SetCookieLines(raw);
        size_t lines = 1;
        for (size_t at = raw.find("\r\n"); at != std::string::npos; at = raw.find("\r\n", at + 2)) ++lines;
        ASSERT_LE(cookies.size(), lines);
        for (const CookieLine& cookie : cookies) {
            ASSERT_FALSE(cookie.name.empty());
            ASSERT_EQ(cookie.name.find('='), std::string::npos);
            ASSERT_EQ(cookie.data.find("\r\n"), std::string::npos);
            ASSERT_NE(raw.find(cookie.name + "=" + cookie.data), std::string::npos);
        }
    }
    const std::string planted = "HTTP/1.1 200 OK\r\nset-cookie: sid=\xD6\xD0; path=/\r\nSet-Cookie: =x\r\nSet-Cookie: k=v";
    const std::vector<CookieLine> cookies = SetCookieLines(planted);
    ASSERT_EQ(cookies.size(), 2u);
    EXPECT_EQ(cookies[0].name, "sid");
    EXPECT_EQ(cookies[0].data, "\xD6\xD0; path=/");
    EXPECT_EQ(cookies[1].name, "k");
    EXPECT_EQ(cookies[1].data, "v");
}

}  // namespace
}  // namespace lumbra
