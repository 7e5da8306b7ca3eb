// The thread that runs generation. One run at a time: starting a new run
// stops the one before it, so two runs never write into one list.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "generation/run_control.h"

namespace qinghe {

class WorkerThread {
  public:
    using Routine = std::function<void(RunControl&)>;

    WorkerThread() = default;
    ~WorkerThread();  // stops and waits for a running run
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Stops the run before (if any), then runs `routine` on a new thread.
    // Returns the new run's control; false (null) when the thread could not
    // be created.
    std::shared_ptr<RunControl> Start(Routine routine);
    // Ends the current run: it adds nothing more; waits until it has left.
    void Stop();
    void Suspend();
    void Resume();
    // Waits until the current run has ended by itself.
    void Wait();

    // The control of the current (or last) run, null before the first.
    std::shared_ptr<RunControl> current() const;

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<RunControl> control_;
    std::thread thread_;
    std::uint64_t next_id_ = 1;
};

}  // namespace qinghe
