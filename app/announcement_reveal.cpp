// The announcement buttons appear one after another while the software information loads.
#include "app/loaders.h"
#include "app/worker_thread.h"

namespace lumbra {
namespace {
constexpr DWORD kRevealInterval = 500;  // ms between two buttons
}

void StartAnnouncementReveal(const MainWindowControls& controls) {
    WorkerThread reveal([buttons = controls.announcementButtons] {
        // The worker owns no window, so a plain sleep leaves no message waiting.
        ShowWindow(buttons[0], SW_SHOW);
        for (size_t i = 1; i < buttons.size(); ++i) {
            Sleep(kRevealInterval);
            ShowWindow(buttons[i], SW_SHOW);
        }
    });
}

}  // namespace lumbra
