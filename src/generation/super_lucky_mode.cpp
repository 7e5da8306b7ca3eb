// The super-lucky mode: two-character names whose characters pass the
// element filters, listed only when they reach the best score the surname's
// heaven grid allows.
#include <algorithm>

#include "generation/generation_engine.h"
#include "numerology/name_score.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

// 100 001 placeholder rows: at most 100 000 names.
constexpr int kPlaceholderRows = 100001;

// The captions of the element boxes, in the order their texts are joined.
const std::string& ElementCaption(size_t index) {
    static const std::string kCaptions[] = {"金"_gbk, "木"_gbk, "水"_gbk, "火"_gbk, "土"_gbk};
    return kCaptions[index];
}

std::string TickedElements(const ElementFilterRow& row) {
    std::string text;
    for (size_t i = 0; i < row.elements.size(); ++i)
        if (row.elements[i]) text += ElementCaption(i);
    return text;
}

// Rows A, B and C: the ticked elements of a ticked row, or all five when
// the row is not ticked or nothing in it is.
std::string AllowedElements(const ElementFilterRow& row) {
    std::string ticked = row.master ? TickedElements(row) : std::string();
    return ticked.empty() ? "金木水火土"_gbk : ticked;
}

// Whether the element text occurs among the elements of a filter text; the
// filter texts hold whole elements, so a plain search is exact.
bool HasElement(const std::string& elements, const std::string& element) {
    return !element.empty() && elements.find(element) != std::string::npos;
}

// The highest score a name can reach when the heaven grid's word is fixed
// and the other five are at the top factor.
int ThresholdForHeavenLuck(const std::string& word) {
    if (word == "大凶"_gbk) return 96;
    if (word == "凶"_gbk) return 98;
    if (word == "中"_gbk) return 99;
    if (word == "吉"_gbk || word == "大吉"_gbk) return 100;
    return 0;
}

}  // namespace

void GenerationEngine::RunSuperLucky() {
    if (!Change([&] {
            host_.SetEnabled(Control::kSuperLuckyGenerate, false);
            host_.SetEnabled(Control::kSuperLuckyPause, false);
            host_.SetEnabled(Control::kSuperLuckyExport, false);
        }))
        return;

    const ElementFilters& filters = inputs_.filters;
    const std::string second_elements = AllowedElements(filters.second);
    const std::string third_elements = AllowedElements(filters.third);
    const std::string required = AllowedElements(filters.required);
    const std::string forbidden =
        filters.forbidden.master ? TickedElements(filters.forbidden) : std::string();
    const bool by_place = filters.second.master || filters.third.master;
    const bool by_all = filters.required.master || filters.forbidden.master;

    std::vector<int> second_chars, third_chars, all_chars;
    for (const std::string& entry : ShuffledPool(0)) {
        if (!control_.Checkpoint()) return;
        bool known = false;
        int record = AddPoolEntry(entry, &known);
        if (!known) continue;
        const std::string& element = table_[record].element;
        if (by_place) {
            if (HasElement(second_elements, element)) second_chars.push_back(record);
            if (HasElement(third_elements, element)) third_chars.push_back(record);
        }
        if (by_all && HasElement(required, element) && !HasElement(forbidden, element))
            all_chars.push_back(record);
    }

    CandidatePlan plan;
    if (by_place) plan.blocks.push_back(CandidatePlan::Cross{second_chars, third_chars});
    if (by_all) plan.blocks.push_back(CandidatePlan::Cross{all_chars, all_chars});

    int threshold = ThresholdForHeavenLuck(HeavenGridLuck(table_, luck_, inputs_.surname));
    FillSettings settings{ResultList::kSuperLucky, kPlaceholderRows, threshold, true,
                          Control::kSuperLuckyPause};
    if (!FillScoredList(plan, settings)) return;
    if (!Change([&] {
            host_.SetEnabled(Control::kSuperLuckyGenerate, true);
            host_.SetEnabled(Control::kSuperLuckyExport, true);
        }))
        return;
    EndRun();
}

}  // namespace qinghe
