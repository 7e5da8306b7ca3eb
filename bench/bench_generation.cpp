// Scoring and the two long generation runs against the real name database
// (build/bin/data/namedata.db, or the file named by QINGHE_NAMEDATA_DB).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/run_directory.h"
#include "db/name_database_loader.h"
#include "generation/candidate_scorer.h"
#include "generation/generation_engine.h"
#include "numerology/name_score.h"
#include "text/gbk_literal.h"

namespace {

using namespace qinghe;

class QuietMessenger : public Messenger {
  public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        std::cerr << GbkToUtf8(text) << std::endl;
    }
};

// The real database, loaded once.
DbObject& Database() {
    static DbObject db;
    static bool loaded = [] {
        const char* file = std::getenv("QINGHE_NAMEDATA_DB");
        std::filesystem::path path =
            file != nullptr ? file : RunDirectory().parent_path() / "bin/data/namedata.db";
        QuietMessenger messenger;
        LoadNameDatabase(db, path, messenger);
        return db.IsOpen();
    }();
    (void)loaded;
    return db;
}

// Keeps the final rows only, as a window would after the run.
class CountingHost : public GenerationHost {
  public:
    explicit CountingHost(GenerationInputs inputs) : inputs_(std::move(inputs)) {}
    GenerationInputs ReadInputs() override { return inputs_; }
    void ShowWaitingBox() override {}
    void CloseWaitingBox() override {}
    void SetEnabled(Control, bool) override {}
    void ShowPage(Page) override {}
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    void InsertPlaceholderRows(ResultList, int) override {}
    void FillRow(ResultList, int, const NameCandidate&) override {}
    void RemoveRowsFrom(ResultList, int) override {}
    void ShowSortedRows(ResultList, const std::vector<NameCandidate>& rows) override {
        rows_ = rows;
    }
    void AppendEnglishRow(const EnglishNameRow&) override {}
    void SetClassicText(const std::string&) override {}
    size_t rows() const { return rows_.size(); }

  private:
    GenerationInputs inputs_;
    std::vector<NameCandidate> rows_;
};

GenerationInputs BoyInputs(GenerationMode mode) {
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = "李"_gbk;
    inputs.sex = "男"_gbk;
    inputs.name_length = "二字"_gbk;
    inputs.filters.required.master = true;
    inputs.filters.required.elements = {true, true, true, true, true};
    return inputs;
}

void RunMode(benchmark::State& state, GenerationMode mode) {
    DbObject& db = Database();
    if (!db.IsOpen()) return state.SkipWithError("no name database");
    size_t rows = 0;
    for (auto _ : state) {
        CountingHost host(BoyInputs(mode));
        RunControl control;
        GenerationEngine engine(db, host, control, {20131001});
        engine.Run();
        rows = host.rows();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_HighScoreRun(benchmark::State& state) {
    RunMode(state, GenerationMode::kHighScore);
}
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

void BM_SuperLuckyRun(benchmark::State& state) {
    RunMode(state, GenerationMode::kSuperLucky);
}
BENCHMARK(BM_SuperLuckyRun)->Unit(benchmark::kMillisecond);

// Scoring one candidate from memory once the run's caches are warm.
void BM_ScoreCandidate(benchmark::State& state) {
    DbObject& db = Database();
    if (!db.IsOpen()) return state.SkipWithError("no name database");
    CharTable table;
    for (const char* c : {"李", "志", "强", "明", "华", "伟", "杰", "浩"})
        table.Add(LoadCharInfo(db, Utf8ToGbk(c)));
    LuckTables luck = LuckTables::Load(db);
    CandidateScorer scorer(table, luck, "李"_gbk);
    int first = 1, second = 2, sum = 0;
    for (auto _ : state) {
        sum += scorer.Score(first, second);
        first = first == 7 ? 1 : first + 1;
        second = second == 1 ? 7 : second - 1;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ScoreCandidate);

// The text-based score of one name, as the scoring tab computes it.
void BM_ScoreName(benchmark::State& state) {
    DbObject& db = Database();
    if (!db.IsOpen()) return state.SkipWithError("no name database");
    CharTable table;
    for (const char* c : {"李", "志", "强"})
        table.Add(LoadCharInfo(db, Utf8ToGbk(c)));
    LuckTables luck = LuckTables::Load(db);
    for (auto _ : state)
        benchmark::DoNotOptimize(ScoreName(table, luck, "李"_gbk, "志强"_gbk));
}
BENCHMARK(BM_ScoreName);

}  // namespace
