#include "generation/run_control.h"

namespace qinghe {

void RunControl::Suspend() {
    std::lock_guard lock(mutex_);
    int expected = kRunning;
    state_.compare_exchange_strong(expected, kSuspended, std::memory_order_acq_rel);
}

void RunControl::Resume() {
    {
        std::lock_guard lock(mutex_);
        int expected = kSuspended;
        state_.compare_exchange_strong(expected, kRunning, std::memory_order_acq_rel);
    }
    changed_.notify_all();
}

void RunControl::Stop() {
    {
        std::lock_guard lock(mutex_);
        state_.store(kStopped, std::memory_order_release);
    }
    changed_.notify_all();
}

bool RunControl::WaitWhileSuspended() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_.load(std::memory_order_acquire) != kSuspended; });
    return state_.load(std::memory_order_acquire) != kStopped;
}

}  // namespace qinghe
