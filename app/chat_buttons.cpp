#include "app/chat_buttons.h"

#include "app/main_window_layout.h"

namespace lumbra {
namespace {

struct ChatButton {
    int controlId;
    const wchar_t* account;
};

constexpr ChatButton kChatButtons[] = {
    {main_window::按钮_官方客服_Avi, L"4417093321"},   {main_window::按钮_官方客服_Lirae, L"3860427719"},
    {main_window::按钮_官方客服_Bosk, L"5203817"},     {main_window::按钮_官方客服_Kunder, L"6094381527"},
    {main_window::按钮_官方客服_Jexa, L"731265098"},
};

}  // namespace

std::wstring ChatLink(const std::wstring& account) {
    return L"zelmar://message/?uin=" + account + L"&Site=kiwo&Menu=yes";
}

std::optional<std::wstring> ChatLinkOfButton(int controlId) {
    for (const ChatButton& button : kChatButtons) {
        if (button.controlId == controlId) return ChatLink(button.account);
    }
    return std::nullopt;
}

}  // namespace lumbra
