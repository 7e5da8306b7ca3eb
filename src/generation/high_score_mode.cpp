// The high-score mode: pairs of characters drawn at random from the sex's
// pool, listed when they score 90 or more (two characters), best first.
#include "generation/generation_engine.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

constexpr size_t kPoolSizeTwoCharacters = 400;
constexpr size_t kPoolSizeOneCharacter = 1000;
constexpr int kThresholdTwoCharacters = 90;
// 10 001 placeholder rows: the list holds at most 10 000 names.
constexpr int kPlaceholderRows = 10001;

}  // namespace

void GenerationEngine::RunHighScore() {
    if (!Change([&] {
            host_.SetEnabled(Control::kHighScorePause, false);
            host_.SetEnabled(Control::kHighScoreRegenerate, false);
            host_.SetEnabled(Control::kHighScoreExport, false);
            host_.ShowPage(Page::kHighScore);
        }))
        return;

    std::vector<std::string> pool =
        ShuffledPool(name_length_ == 2 ? kPoolSizeTwoCharacters : kPoolSizeOneCharacter);
    CandidatePlan plan;
    if (!BuildStandardCandidates(pool, plan)) return;

    int threshold = 0;
    if (name_length_ == 2) {
        if (inputs_.generation_char.kind == GenerationCharKind::kNone) {
            threshold = kThresholdTwoCharacters;
        } else if (!ShowMessage("设定辈份后,产生的名字较少,所以系统将显示全部名字"_gbk, "提示"_gbk,
                                MessageIcon::kWarning)) {
            return;
        }
    }

    FillSettings settings{ResultList::kHighScore, kPlaceholderRows, threshold, true,
                          Control::kHighScorePause};
    if (!FillScoredList(plan, settings)) return;
    if (!Change([&] { host_.SetEnabled(Control::kHighScoreRegenerate, true); })) return;
    EndRun();
}

}  // namespace qinghe
