#pragma once
// A thread running one piece of work. The object owns the thread's handle only: destroying it
// closes the handle and leaves the thread running, since nothing waits for a loader (closing
// the window must end the process at once, whatever a loader is doing).
#include <windows.h>

#include <functional>

namespace lumbra {

class WorkerThread {
public:
    explicit WorkerThread(std::function<void()> work);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    bool Started() const { return handle_ != nullptr; }
    HANDLE Handle() const { return handle_; }

    // Workers whose work has not returned yet, process-wide.
    static int Running();

private:
    HANDLE handle_ = nullptr;
};

}  // namespace lumbra
