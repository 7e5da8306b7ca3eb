// The combination mode: pairs of the characters the user typed, all listed,
// best score first.
#include "generation/generation_engine.h"
#include "text/contains_characters.h"
#include "text/keep_hanzi.h"
#include "text/split_characters.h"

namespace qinghe {

void GenerationEngine::RunCombination() {
    std::string text = inputs_.combination_text;
    if (!ContainsCharacters(text, inputs_.surname)) text += inputs_.surname;
    std::vector<std::string> pool = SplitCharacters(KeepHanzi(text));

    CandidatePlan plan;
    if (!BuildStandardCandidates(pool, plan)) return;
    CloseWaitingBox();
    if (!FillScoredList(plan, {ResultList::kCombination, 0, 0, false, std::nullopt})) return;
    EndRun();
}

}  // namespace qinghe
