#include "app/worker_thread.h"

#include <memory>
#include <utility>

namespace lumbra {
namespace {

DWORD WINAPI RunWork(void* parameter) {
    const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    (*work)();
    return 0;
}

}  // namespace

WorkerThread::WorkerThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    handle_ = CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr);
    if (handle_ != nullptr) owned.release();  // the thread owns it now
}

WorkerThread::~WorkerThread() {
    if (handle_ != nullptr) CloseHandle(handle_);
}

}  // namespace lumbra
