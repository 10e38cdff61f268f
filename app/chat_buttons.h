#pragma once
// The customer-service buttons and the chat accounts they open.
#include <optional>
#include <string>

namespace lumbra {

// "zelmar://message/?uin=" + account + "&Site=kiwo&Menu=yes".
std::wstring ChatLink(const std::wstring& account);
// The chat link of a main-window customer-service button; none for any other control.
std::optional<std::wstring> ChatLinkOfButton(int controlId);

}  // namespace lumbra
