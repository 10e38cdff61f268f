#pragma once
// The program's only network client: one HTTP request through WinINet.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumbra {

using ByteBuffer = std::vector<std::uint8_t>;

// Sends one request and returns the response body (after the optional conversion).
// address is trimmed and completed in place; extraHeaders gets the default headers appended;
// returnedHeaders receives the raw response header block. method: 0 GET, 1 POST.
// conversion: 0 none, 1 UTF-8 to GBK, 2 Big5 to simplified GBK.
ByteBuffer 网页_访问(std::string& address,
                     std::optional<int> method = std::nullopt,
                     const std::string& proxy = {},
                     std::string* extraHeaders = nullptr,
                     const std::string& formData = {},
                     const std::string& cookies = {},
                     int conversion = 0,
                     std::string* returnedHeaders = nullptr);

// The body of address as text (bytes up to the first zero byte); empty on failure.
std::string FetchPageText(const std::string& address);

std::string Utf8ToGbk(const std::string& text);
std::string Big5ToGbkSimplified(const std::string& text);

// A platform message box owned by the first visible top-level window of this process unless
// an owner is given; returns the button identifier minus 1.
int NoticeBox(const std::string& message, std::optional<UINT> iconAndButtons = std::nullopt,
              std::optional<std::string> title = std::nullopt, std::optional<HWND> owner = std::nullopt);

}  // namespace lumbra
