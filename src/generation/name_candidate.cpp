#include "generation/name_candidate.h"

#include <algorithm>
#include <array>

#include "text/gbk_literal.h"

namespace qinghe {

const std::vector<std::string>& NameCandidateColumnTitles() {
    static const std::vector<std::string> kTitles = {"编号"_gbk,     "姓名"_gbk, "简体笔划"_gbk,
                                                     "繁体笔划"_gbk, "五行"_gbk, "五格"_gbk,
                                                     "三才"_gbk,     "评分"_gbk};
    return kTitles;
}

std::string ColumnText(const NameCandidate& row, int column) {
    switch (column) {
        case 0:
            return std::to_string(row.number);
        case 1:
            return row.name;
        case 2:
            return std::to_string(row.simplified_strokes);
        case 3:
            return std::to_string(row.kangxi_strokes);
        case 4:
            return row.elements;
        case 5:
            return row.grids;
        case 6:
            return row.talents;
        case 7:
            return std::to_string(row.score);
        default:
            return {};
    }
}

void SortListByScore(std::vector<NameCandidate>& rows) {
    // Scores lie in 0..100, so a counting sort is stable and moves each row
    // once; lists of 100 000 rows sort in a few milliseconds.
    constexpr int kTop = 100;
    bool in_range = std::all_of(rows.begin(), rows.end(), [](const NameCandidate& r) {
        return r.score >= 0 && r.score <= kTop;
    });
    if (!in_range) {
        std::stable_sort(
            rows.begin(), rows.end(),
            [](const NameCandidate& a, const NameCandidate& b) { return a.score > b.score; });
        return;
    }
    std::array<size_t, kTop + 2> start{};  // first position of each score, highest first
    for (const NameCandidate& row : rows)
        ++start[static_cast<size_t>(kTop - row.score) + 1];
    for (size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    std::vector<NameCandidate> sorted(rows.size());
    for (NameCandidate& row : rows)
        sorted[start[static_cast<size_t>(kTop - row.score)]++] = std::move(row);
    rows = std::move(sorted);
}

void Renumber(std::vector<NameCandidate>& rows) {
    int number = 1;
    for (NameCandidate& row : rows)
        row.number = number++;
}

}  // namespace qinghe
