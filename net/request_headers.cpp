#include "net/request_headers.h"

#include "net/text_primitives.h"

namespace lumbra {
namespace {

constexpr std::string_view kDefaultAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
constexpr std::string_view kDefaultLanguage = "Accept-Language: zh-cn\r\n";
constexpr std::string_view kFormType = "Content-Type: application/x-www-form-urlencoded\r\n";
constexpr std::string_view kSetCookie = "Set-Cookie: ";

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return text::Find(text, part, 1, false) != -1;
}

}  // namespace

std::string CompleteRequestHeaders(std::string& headers, bool post, std::string_view address,
                                   std::string_view formData, std::string_view cookies) {
    if (!ContainsIgnoringCase(headers, "Accept: ")) headers += kDefaultAccept;
    if (!ContainsIgnoringCase(headers, "Referer: ")) {
        headers += "Referer: ";
        headers += address;
        headers += "\r\n";
    }
    if (!ContainsIgnoringCase(headers, "Accept-Language: ")) headers += kDefaultLanguage;
    if (post && !formData.empty()) {
        headers += kFormType;
        headers += "Content-Length: " + std::to_string(formData.size()) + "\r\n";
    }
    if (!cookies.empty()) {
        headers += "Cookie: ";
        headers += cookies;
        headers += "\r\n\r\n";
    }
    return post ? std::string(formData) : std::string();
}

std::vector<CookieLine> SetCookieLines(std::string_view rawHeaders) {
    std::vector<CookieLine> cookies;
    size_t lineStart = 0;
    while (lineStart < rawHeaders.size()) {
        size_t lineEnd = rawHeaders.find("\r\n", lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = rawHeaders.size();
        const std::string_view line = rawHeaders.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;

        const int at = text::Find(line, kSetCookie, 1, false);
        if (at == -1) continue;
        const std::string_view cookie = line.substr(static_cast<size_t>(at - 1) + kSetCookie.size());
        const size_t equals = cookie.find('=');
        // A cookie without "=" has no name to store it under; it is left out.
        if (equals == std::string_view::npos || equals == 0) continue;
        cookies.push_back({std::string(cookie.substr(0, equals)), std::string(cookie.substr(equals + 1))});
    }
    return cookies;
}

}  // namespace lumbra
