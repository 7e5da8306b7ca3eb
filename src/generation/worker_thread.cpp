#include "generation/worker_thread.h"

#include <system_error>

namespace qinghe {

WorkerThread::~WorkerThread() {
    Stop();
}

std::shared_ptr<RunControl> WorkerThread::Start(Routine routine) {
    Stop();
    std::lock_guard lock(mutex_);
    auto control = std::make_shared<RunControl>(next_id_++);
    try {
        thread_ = std::thread([routine = std::move(routine), control] { routine(*control); });
    } catch (const std::system_error&) {
        return nullptr;  // no thread: the run stays unstarted
    }
    control_ = control;
    return control;
}

void WorkerThread::Stop() {
    std::thread finishing;
    {
        std::lock_guard lock(mutex_);
        if (control_) control_->Stop();
        finishing = std::move(thread_);
    }
    if (finishing.joinable()) {
        if (finishing.get_id() == std::this_thread::get_id())
            finishing.detach();  // a run that ends itself
        else
            finishing.join();
    }
}

void WorkerThread::Wait() {
    std::thread finishing;
    {
        std::lock_guard lock(mutex_);
        finishing = std::move(thread_);
    }
    if (finishing.joinable()) finishing.join();
}

void WorkerThread::Suspend() {
    std::lock_guard lock(mutex_);
    if (control_) control_->Suspend();
}

void WorkerThread::Resume() {
    std::lock_guard lock(mutex_);
    if (control_) control_->Resume();
}

std::shared_ptr<RunControl> WorkerThread::current() const {
    std::lock_guard lock(mutex_);
    return control_;
}

}  // namespace qinghe
