// The poetry mode: names from the characters ticked in a poem, all listed,
// best score first.
#include "generation/generation_engine.h"
#include "text/contains_characters.h"
#include "text/split_characters.h"

namespace qinghe {

void GenerationEngine::RunPoetry() {
    if (!Change([&] { host_.ShowPage(Page::kPoemGenerate); })) return;

    // A character ticked in several places is taken once, at its first place.
    std::string text;
    for (const PoemCharBox& box : inputs_.poem_boxes)
        if (box.ticked && !ContainsCharacters(text, box.caption)) text += box.caption;
    if (!ContainsCharacters(text, inputs_.surname)) text += inputs_.surname;

    CandidatePlan plan;
    if (!BuildStandardCandidates(SplitCharacters(text), plan)) return;
    CloseWaitingBox();
    if (!FillScoredList(plan, {ResultList::kPoetry, 0, 0, false, std::nullopt})) return;
    EndRun();
}

}  // namespace qinghe
