#include "generation/generation_engine.h"

#include "generation/builtin_lists_gbk.h"
#include "generation/candidate_scorer.h"
#include "generation/shuffle_texts.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {

GenerationEngine::GenerationEngine(DbObject& db, GenerationHost& host, RunControl& control,
                                   EngineOptions options)
    : db_(db), host_(host), control_(control), random_(MakeShuffleRandom(options.shuffle_seed)) {}

void GenerationEngine::Run() {
    // Start of a run: the waiting box, and no way back to the mode page
    // while the run lasts.
    if (!Change([&] {
            host_.ShowWaitingBox();
            host_.SetEnabled(Control::kToolbarModeSelect, false);
            host_.SetEnabled(Control::kMenuModeSelect, false);
        }))
        return;
    waiting_box_open_ = true;
    table_.Clear();
    stats_ = {};

    inputs_ = host_.ReadInputs();
    if (inputs_.surname.empty()) {
        // No mode can run without a surname: the run ends as at its normal end.
        if (ShowMessage("请输入姓氏"_gbk, "提示"_gbk, MessageIcon::kNone)) EndRun();
        return;
    }
    name_length_ = inputs_.name_length == "二字"_gbk ? 2 : 1;
    luck_ = LuckTables::Load(db_);  // the luck words are read once per run

    switch (inputs_.mode) {
        case GenerationMode::kHighScore:
            RunHighScore();
            break;
        case GenerationMode::kClassic:
            RunClassic();
            break;
        case GenerationMode::kSuperLucky:
            RunSuperLucky();
            break;
        case GenerationMode::kPoetry:
            RunPoetry();
            break;
        case GenerationMode::kCombination:
            RunCombination();
            break;
        case GenerationMode::kNickname:
            RunNickname();
            break;
        case GenerationMode::kEnglish:
            RunEnglish();
            break;
    }
}

void GenerationEngine::EndRun() {
    Change([&] {
        if (waiting_box_open_) host_.CloseWaitingBox();
        host_.SetEnabled(Control::kToolbarModeSelect, true);
        host_.SetEnabled(Control::kMenuModeSelect, true);
        for (Control control :
             {Control::kHighScoreExport, Control::kRadioHighScore, Control::kRadioSuperLucky,
              Control::kRadioPoetry, Control::kRadioCombination, Control::kRadioNickname,
              Control::kRadioEnglish})
            host_.SetEnabled(control, true);
    });
    waiting_box_open_ = false;
}

void GenerationEngine::CloseWaitingBox() {
    if (!waiting_box_open_) return;
    if (Change([&] { host_.CloseWaitingBox(); })) waiting_box_open_ = false;
}

bool GenerationEngine::ShowMessage(const std::string& text, const std::string& title,
                                   MessageIcon icon) {
    // A message blocks until answered, so it is not held under the run's
    // lock; a stop that arrives meanwhile ends the run right after it.
    if (!control_.Checkpoint()) return false;
    host_.ShowMessage(text, title, icon);
    return control_.Checkpoint();
}

const std::string& GenerationEngine::SexPool() const {
    return inputs_.sex == "男"_gbk ? MalePool() : FemalePool();
}

std::vector<std::string> GenerationEngine::ShuffledPool(size_t size) {
    std::vector<std::string> pool = SplitCharacters(SexPool());
    ShuffleTexts(pool, random_);
    if (size != 0 && pool.size() > size) pool.resize(size);
    for (std::string& c : SplitCharacters(inputs_.surname))
        pool.push_back(std::move(c));
    return pool;
}

int GenerationEngine::AddPoolEntry(const std::string& entry, bool* known) {
    CharInfo info = LoadCharInfo(db_, entry);
    *known = info.known();
    table_.Add(std::move(info));
    return table_.FirstIndexOf(entry);
}

bool GenerationEngine::BuildStandardCandidates(const std::vector<std::string>& pool,
                                               CandidatePlan& plan) {
    if (name_length_ == 1 && !ShowMessage("一字名数理得分较低,所以软件自动降低评分标准!"_gbk,
                                          "提示"_gbk, MessageIcon::kInformation))
        return false;

    std::vector<int> known_entries, all_entries;
    for (const std::string& entry : pool) {
        if (!control_.Checkpoint()) return false;
        bool known = false;
        int record = AddPoolEntry(entry, &known);
        all_entries.push_back(record);
        if (known) known_entries.push_back(record);
    }

    const GenerationCharSetting& setting = inputs_.generation_char;
    if (name_length_ == 1) {
        plan.blocks.push_back(CandidatePlan::Cross{known_entries, {kNoCharacter}});
    } else if (setting.kind == GenerationCharKind::kNone) {
        plan.blocks.push_back(CandidatePlan::Cross{known_entries, all_entries});
    } else {
        // The fixed character is no pool entry: it gets a record of its own
        // at the end of the table and is never paired with itself.
        bool second = setting.kind == GenerationCharKind::kSecond;
        bool known = false;
        int fixed = AddPoolEntry(second ? setting.second : setting.third, &known);
        if (second)
            plan.blocks.push_back(CandidatePlan::Cross{{fixed}, known_entries});
        else
            plan.blocks.push_back(CandidatePlan::Cross{known_entries, {fixed}});
    }
    return true;
}

bool GenerationEngine::FillScoredList(const CandidatePlan& plan, const FillSettings& settings) {
    CandidateScorer scorer(table_, luck_, inputs_.surname);
    stats_.candidates = plan.Count();
    const int row_count = settings.placeholder_rows > 0 ? settings.placeholder_rows
                                                        : static_cast<int>(stats_.candidates);
    if (!Change([&] { host_.InsertPlaceholderRows(settings.list, row_count); })) return false;

    std::vector<NameCandidate> rows;
    bool stopped = false;
    plan.ForEach([&](int first, int second) {
        if (!control_.Checkpoint()) {
            stopped = true;
            return false;
        }
        if (scorer.ContainsSurname(first, second)) return true;
        ++stats_.scored;
        int score = scorer.Score(first, second);
        if (score < settings.threshold) return true;
        NameCandidate row = scorer.Describe(first, second, score);
        row.number = static_cast<int>(rows.size()) + 1;
        bool first_row = rows.empty();
        if (!Change([&] {
                host_.FillRow(settings.list, static_cast<int>(rows.size()), row);
                if (first_row && settings.first_row_enables) {
                    if (waiting_box_open_) host_.CloseWaitingBox();
                    host_.SetEnabled(*settings.first_row_enables, true);
                }
            })) {
            stopped = true;
            return false;
        }
        if (first_row && settings.first_row_enables) waiting_box_open_ = false;
        rows.push_back(std::move(row));
        // Every placeholder but the last in use: the list is full.
        return !(settings.stop_when_full && static_cast<int>(rows.size()) + 1 == row_count);
    });
    if (stopped) return false;

    stats_.rows = rows.size();
    SortListByScore(rows);
    Renumber(rows);
    return Change([&] {
        host_.RemoveRowsFrom(settings.list, static_cast<int>(stats_.rows));
        host_.ShowSortedRows(settings.list, rows);
    });
}

}  // namespace qinghe
