#include "net/web_page_access.h"

#include "net/code_page_936.h"
#include "net/internet_handle.h"
#include "net/request_headers.h"
#include "net/text_primitives.h"
#include "net/url_parts.h"

namespace lumbra {
namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kReadChunk = 8192;
constexpr DWORD kHeaderBufferStart = 2048;

bool HasScheme(std::string_view address) {
    const std::string lower = text::Lower(address.substr(0, 8));
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

// The calling thread may own windows; keep them responsive while the body arrives.
void RunPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the caller's loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

ByteBuffer ReadBody(HINTERNET request) {
    ByteBuffer body;
    std::uint8_t chunk[kReadChunk];
    for (;;) {
        RunPendingMessages();
        DWORD got = 0;
        if (!InternetReadFile(request, chunk, kReadChunk, &got) || got == 0) break;
        body.insert(body.end(), chunk, chunk + got);
    }
    return body;
}

// The raw response header block, however long it is.
std::string RawHeaders(HINTERNET request) {
    std::string headers(kHeaderBufferStart, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = static_cast<DWORD>(headers.size());
        if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &length, nullptr)) {
            headers.resize(length);
            return headers;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || length <= headers.size()) break;
        headers.assign(length, '\0');
    }
    return {};
}

void StoreCookies(const std::string& host, const std::string& rawHeaders) {
    const std::string url = "http://" + host;
    for (const CookieLine& cookie : SetCookieLines(rawHeaders)) {
        InternetSetCookieA(url.c_str(), cookie.name.c_str(), cookie.data.c_str());
    }
}

ByteBuffer Convert(const ByteBuffer& body, int conversion) {
    if (conversion != 1 && conversion != 2) return body;
    const std::string bodyText =
        text::BytesToText(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
    const std::string converted = conversion == 1 ? Utf8ToGbk(bodyText) : Big5ToGbkSimplified(bodyText);
    return ByteBuffer(converted.begin(), converted.end());
}

}  // namespace

ByteBuffer 网页_访问(std::string& address, std::optional<int> method, const std::string& proxy,
                     std::string* extraHeaders, const std::string& formData, const std::string& cookies,
                     int conversion, std::string* returnedHeaders) {
    address = text::TrimBoth(address);
    const int methodCode = method.value_or(0);
    if (methodCode != 0 && methodCode != 1) {
        NoticeBox(WideToGbk(L"【网页_访问】命令的第二个【访问方式】参数有误,请返回修改"));
        return {};
    }
    const bool post = methodCode == 1;
    if (!HasScheme(address)) address = "http://" + address;

    const std::string host = UrlHost(address);
    const std::string path = UrlPath(address);
    const int port = UrlPort(address);
    if (host.empty() || port < 0 || port > 65535) return {};
    const bool secure = text::Lower(address.substr(0, 8)) == "https://";

    const bool direct = text::RemoveSpaces(proxy).empty();
    const std::string proxyList = "http=" + proxy;
    InternetHandle session(InternetOpenA(kUserAgent, direct ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY,
                                         direct ? nullptr : proxyList.c_str(), direct ? nullptr : "", 0));
    if (!session) return {};
    InternetHandle connection(InternetConnectA(session.Get(), host.c_str(), static_cast<INTERNET_PORT>(port),
                                               nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    const DWORD flags = INTERNET_FLAG_RELOAD | (secure ? INTERNET_FLAG_SECURE : 0);
    InternetHandle request(HttpOpenRequestA(connection.Get(), post ? "POST" : "GET", path.c_str(), "HTTP/1.1",
                                            nullptr, nullptr, flags, 0));
    if (!request) return {};

    std::string localHeaders;
    std::string& headers = extraHeaders ? *extraHeaders : localHeaders;
    std::string requestBody = CompleteRequestHeaders(headers, post, address, formData, cookies);
    // A failed send leaves nothing to read; the read loop then ends at once with an empty body.
    HttpSendRequestA(request.Get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                     requestBody.empty() ? nullptr : requestBody.data(), static_cast<DWORD>(requestBody.size()));
    const ByteBuffer body = ReadBody(request.Get());
    const std::string rawHeaders = RawHeaders(request.Get());
    if (returnedHeaders) *returnedHeaders = rawHeaders;
    StoreCookies(host, rawHeaders);
    return Convert(body, conversion);
}

std::string FetchPageText(const std::string& address) {
    std::string completed = address;
    std::string scratchHeaders;
    const ByteBuffer body = 网页_访问(completed, std::nullopt, {}, nullptr, {}, {}, 0, &scratchHeaders);
    return text::BytesToText(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
}

}  // namespace lumbra
