// The nickname mode: pet names in one of four patterns from the boys' and
// girls' pools, scored and all listed.
#include "generation/builtin_lists_gbk.h"
#include "generation/generation_engine.h"
#include "text/contains_characters.h"
#include "text/gbk_literal.h"
#include "text/split_characters.h"

namespace qinghe {

void GenerationEngine::RunNickname() {
    std::string text = NicknamePool();
    if (!ContainsCharacters(text, inputs_.surname)) text += inputs_.surname;

    std::vector<int> known_entries;  // in pool order, not shuffled
    for (const std::string& entry : SplitCharacters(text)) {
        if (!control_.Checkpoint()) return;
        bool known = false;
        int record = AddPoolEntry(entry, &known);
        if (known) known_entries.push_back(record);
    }

    // 小, 儿 and 阿 are entries of the pool, so the table already holds them.
    auto fixed = [&](const char* utf8) {
        std::string character = Utf8ToGbk(utf8);
        int record = table_.FirstIndexOf(character);
        bool known = false;
        return record >= 0 ? record : AddPoolEntry(character, &known);
    };
    CandidatePlan::List list;
    switch (inputs_.nickname) {
        case NicknamePattern::kDoubled:
            for (int a : known_entries)
                list.candidates.emplace_back(a, a);
            break;
        case NicknamePattern::kXiaoPrefix:
            for (int a : known_entries)
                list.candidates.emplace_back(fixed("小"), a);
            break;
        case NicknamePattern::kErSuffix:
            for (int a : known_entries)
                list.candidates.emplace_back(a, fixed("儿"));
            break;
        case NicknamePattern::kAhPrefix:
            for (int a : known_entries)
                list.candidates.emplace_back(fixed("阿"), a);
            break;
        case NicknamePattern::kNone:
            break;
    }
    CandidatePlan plan;
    plan.blocks.push_back(std::move(list));
    CloseWaitingBox();
    if (!FillScoredList(plan, {ResultList::kNickname, 0, 0, false, std::nullopt})) return;
    EndRun();
}

}  // namespace qinghe
