// Pause, continue and stop of a run on the worker thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "generation/engine_test_support.h"
#include "generation/worker_thread.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using namespace std::chrono_literals;
using test::EngineRun;

// A high-score run over the pool fixture.
class HighScoreRun : public EngineRun {
  public:
    HighScoreRun() : EngineRun(test::PoolFixture()) {
        host.inputs.mode = GenerationMode::kHighScore;
    }

    // Ready once the run has filled row `row`.
    std::future<void> ReachRow(int row) {
        host.on_fill = [this, row](int filled) {
            if (filled == row && !signalled_.exchange(true)) reached_.set_value();
        };
        return reached_.get_future();
    }

  private:
    std::promise<void> reached_;
    std::atomic<bool> signalled_{false};
};

WorkerThread::Routine Engine(EngineRun& run) {
    return
        [&run](RunControl& control) { GenerationEngine(run.db(), run.host, control, {7}).Run(); };
}

TEST(RunControlTest, PausedRunAddsNothingUntilItContinues) {
    HighScoreRun run;
    std::future<void> reached = run.ReachRow(100);
    WorkerThread worker;
    worker.Start(Engine(run));
    reached.wait();
    worker.Suspend();
    int paused_at = run.host.filled_count();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(run.host.filled_count(), paused_at);
    EXPECT_TRUE(worker.current()->suspended());
    worker.Resume();
    worker.Wait();  // the run goes on to its end
    EXPECT_EQ(run.host.enabled(Control::kToolbarModeSelect), true);
    EXPECT_EQ(run.host.filled_rows(ResultList::kHighScore).size(), 10000u);
}

TEST(RunControlTest, StoppedRunAddsNothingAfterTheStop) {
    HighScoreRun run;
    std::future<void> reached = run.ReachRow(100);
    WorkerThread worker;
    worker.Start(Engine(run));
    reached.wait();
    worker.Stop();  // returns once the run has left
    int stopped_at = run.host.filled_count();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(run.host.filled_count(), stopped_at);
    EXPECT_LT(stopped_at, 10000);
    // None of the closing steps ran: no trim, no sort, buttons left as they were.
    auto events = run.host.events();
    EXPECT_EQ(std::find(events.begin(), events.end(), "sorted 超级列表框_高分起名"), events.end());
    EXPECT_NE(run.host.enabled(Control::kToolbarModeSelect), true);
}

TEST(RunControlTest, StopEndsASuspendedRun) {
    HighScoreRun run;
    std::future<void> reached = run.ReachRow(10);
    WorkerThread worker;
    worker.Start(Engine(run));
    reached.wait();
    worker.Suspend();
    int paused_at = run.host.filled_count();
    worker.Stop();
    EXPECT_EQ(run.host.filled_count(), paused_at);
}

TEST(RunControlTest, StopDuringABlockingMessageAddsNoRows) {
    HighScoreRun run;
    run.host.inputs.name_length = "一字"_gbk;  // the run opens with a message
    std::promise<void> message_shown;
    std::promise<void> stopped;
    auto stopped_future = stopped.get_future().share();
    run.host.on_message = [&] {
        message_shown.set_value();
        stopped_future.wait();  // the user has not answered yet
    };
    WorkerThread worker;
    std::shared_ptr<RunControl> control = worker.Start(Engine(run));
    message_shown.get_future().wait();
    control->Stop();
    stopped.set_value();
    worker.Stop();
    EXPECT_EQ(run.host.filled_count(), 0);
    EXPECT_TRUE(run.host.rows(ResultList::kHighScore).empty());
}

TEST(RunControlTest, StartingANewRunEndsTheOneBefore) {
    HighScoreRun first, second;
    std::future<void> reached = first.ReachRow(10);
    WorkerThread worker;
    auto first_control = worker.Start(Engine(first));
    reached.wait();
    auto second_control = worker.Start(Engine(second));
    EXPECT_TRUE(first_control->stop_requested());
    EXPECT_NE(first_control->id(), second_control->id());
    int first_rows = first.host.filled_count();
    worker.Stop();
    EXPECT_EQ(first.host.filled_count(), first_rows);
}

TEST(RunControlTest, ControlsWithoutARunDoNothing) {
    WorkerThread worker;
    worker.Suspend();
    worker.Resume();
    worker.Stop();
    EXPECT_EQ(worker.current(), nullptr);
}

}  // namespace
}  // namespace qinghe
