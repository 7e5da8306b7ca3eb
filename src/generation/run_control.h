// Pause, continue and stop of one generation run, as requests the engine
// honours between candidates and between pool entries: a paused run adds
// nothing until it continues, a stopped run adds nothing more at all.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace qinghe {

class RunControl {
  public:
    explicit RunControl(std::uint64_t id = 0) : id_(id) {}

    std::uint64_t id() const { return id_; }

    void Suspend();
    void Resume();
    void Stop();  // also ends a suspended run

    bool stop_requested() const { return state_.load(std::memory_order_acquire) == kStopped; }
    bool suspended() const { return state_.load(std::memory_order_acquire) == kSuspended; }

    // Called by the engine at its safe points: waits while suspended and
    // returns false once a stop has been requested.
    bool Checkpoint() {
        int state = state_.load(std::memory_order_acquire);
        if (state == kRunning) return true;
        return WaitWhileSuspended();
    }

    // Runs `change` (a change to the window) only while the run is running,
    // waiting while it is suspended. Stop and Suspend take the same lock, so
    // once they have returned no further change starts. False when stopped.
    template <typename Change>
    bool Guarded(Change&& change) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock,
                      [this] { return state_.load(std::memory_order_acquire) != kSuspended; });
        if (state_.load(std::memory_order_acquire) == kStopped) return false;
        change();
        return true;
    }

  private:
    enum : int { kRunning, kSuspended, kStopped };
    bool WaitWhileSuspended();

    std::uint64_t id_;
    std::atomic<int> state_{kRunning};
    std::mutex mutex_;
    std::condition_variable changed_;
};

}  // namespace qinghe
