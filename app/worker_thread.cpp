#include "app/worker_thread.h"

#include <atomic>
#include <memory>
#include <utility>

namespace lumbra {
namespace {

std::atomic<int> gRunning{0};

DWORD WINAPI RunWork(void* parameter) {
    {
        const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
        (*work)();
    }
    --gRunning;
    return 0;
}

}  // namespace

WorkerThread::WorkerThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    // Counted before the thread exists, so no check can miss a worker that is just starting.
    ++gRunning;
    handle_ = CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr);
    if (handle_ != nullptr) {
        owned.release();  // the thread owns it now
    } else {
        --gRunning;
    }
}

int WorkerThread::Running() { return gRunning; }

WorkerThread::~WorkerThread() {
    if (handle_ != nullptr) CloseHandle(handle_);
}

}  // namespace lumbra
