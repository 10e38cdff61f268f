#include "app/message_loop.h"

#include <windows.h>

namespace lumbra {

int RunMessageLoop() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 0;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace lumbra
