// The one routine that produces names in every mode. It reads the inputs
// once, builds the run's character pool and CharTable, turns the pool into
// candidates, scores them and fills the mode's list through the host; the
// classic and English modes write their own output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "db/db_object.h"
#include "generation/candidate_plan.h"
#include "generation/generation_host.h"
#include "generation/run_control.h"
#include "numerology/char_table.h"
#include "numerology/luck_tables.h"

namespace qinghe {

class CandidateScorer;

struct EngineOptions {
    std::uint32_t shuffle_seed = 0;  // 0: seeded from the clock
};

// What a run did, for the command line's benchmark.
struct RunStats {
    size_t candidates = 0;  // candidates built
    size_t scored = 0;      // candidates scored (not containing the surname)
    size_t rows = 0;        // rows listed
};

class GenerationEngine {
  public:
    GenerationEngine(DbObject& db, GenerationHost& host, RunControl& control,
                     EngineOptions options = {});

    // Runs the selected mode to its end. A run that is stopped returns at
    // once, leaving its list as it was and skipping its closing steps.
    void Run();

    const RunStats& stats() const { return stats_; }
    const CharTable& char_table() const { return table_; }

  private:
    // A list to fill and how.
    struct FillSettings {
        ResultList list;
        int placeholder_rows = 0;  // 0: one per candidate
        int threshold = 0;
        bool stop_when_full = false;               // high-score and super-lucky
        std::optional<Control> first_row_enables;  // their pause buttons
    };

    void RunHighScore();
    void RunSuperLucky();
    void RunClassic();
    void RunPoetry();
    void RunCombination();
    void RunNickname();
    void RunEnglish();

    // Loads the pool into the CharTable and builds the pairs, the
    // generation-character variants or the single characters. False when
    // the run was stopped.
    bool BuildStandardCandidates(const std::vector<std::string>& pool, CandidatePlan& plan);
    // Adds one CharTable record for a pool entry; returns the index of the
    // first record of that character, or -1 for an unknown character.
    int AddPoolEntry(const std::string& entry, bool* known);
    bool FillScoredList(const CandidatePlan& plan, const FillSettings& settings);

    // The pool of a sex's list, shuffled, cut to `size` (0: all), followed by
    // the surname's characters.
    std::vector<std::string> ShuffledPool(size_t size);
    const std::string& SexPool() const;

    bool ShowMessage(const std::string& text, const std::string& title, MessageIcon icon);
    // A change to the window, made only while the run is running.
    template <typename Apply>
    bool Change(Apply&& change) {
        return control_.Guarded(std::forward<Apply>(change));
    }
    void CloseWaitingBox();
    void EndRun();

    DbObject& db_;
    GenerationHost& host_;
    RunControl& control_;
    std::mt19937 random_;
    GenerationInputs inputs_;
    int name_length_ = 1;
    bool waiting_box_open_ = false;
    CharTable table_;
    LuckTables luck_;
    RunStats stats_;
};

}  // namespace qinghe
