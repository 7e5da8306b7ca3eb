// One row of a scored result list, and the ordering of such lists.
#pragma once

#include <string>
#include <vector>

namespace qinghe {

// The eight columns "编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格",
// "三才", "评分"; texts are GBK, numbers are shown as decimal text.
struct NameCandidate {
    int number = 0;
    std::string name;  // surname immediately followed by the given name
    int simplified_strokes = 0;
    int kangxi_strokes = 0;  // 总格
    std::string elements;
    std::string grids;
    std::string talents;
    int score = 0;

    bool operator==(const NameCandidate&) const = default;
};

// The column titles in order (GBK).
const std::vector<std::string>& NameCandidateColumnTitles();
// The text of column 0..7 as the list shows it.
std::string ColumnText(const NameCandidate& row, int column);

// Higher scores first; rows with equal scores keep their order.
void SortListByScore(std::vector<NameCandidate>& rows);
// Column 0 becomes 1, 2, 3 … from the top.
void Renumber(std::vector<NameCandidate>& rows);

}  // namespace qinghe
