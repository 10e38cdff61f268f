// Start-up: the process-wide objects, the drawing session, the main window and the message loop.
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/process_objects.h"
#include "app/worker_thread.h"
#include "draw/gdiplus_session.h"

#include <objbase.h>

namespace {

// The shell may hand an address to a COM handler, which needs an apartment on this thread.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ComApartment com;
    lumbra::ProcessObjects objects;
    lumbra::GdiplusSession gdiplus;
    int exitCode = 0;
    {
        lumbra::MainWindow window;
        if (window.Load()) exitCode = lumbra::RunMessageLoop();
    }
    // A loader still fetching or showing its message would use the objects above while they
    // are destroyed. Ending the process stops those threads before anything is torn down.
    if (lumbra::WorkerThread::Running() > 0) ExitProcess(static_cast<UINT>(exitCode));
    return exitCode;
}
