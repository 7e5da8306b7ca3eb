#include "generation/candidate_scorer.h"

#include "generation/candidate_plan.h"
#include "text/split_characters.h"

namespace qinghe {

CandidateScorer::CandidateScorer(const CharTable& table, const LuckTables& luck,
                                 std::string surname)
    : table_(table), luck_(luck), surname_(std::move(surname)) {
    for (const CharInfo& info : table.records())
        kangxi_.push_back(info.kangxi_strokes);

    std::vector<std::string> chars = SplitCharacters(surname_);
    surname_chars_ = static_cast<int>(chars.size());
    for (size_t i = 0; i < 2 && i < chars.size(); ++i)
        surname_records_[i] = table.FirstIndexOf(chars[i]);
    auto kangxi = [&](int record) {
        return record >= 0 ? kangxi_[static_cast<size_t>(record)] : 0;
    };
    surname_strokes_.surname1 = kangxi(surname_records_[0]);
    surname_strokes_.surname2 = chars.size() >= 2 ? kangxi(surname_records_[1]) : 0;
    surname_strokes_.two_char_surname = chars.size() >= 2;

    is_surname_.assign(table.records().size(), 0);
    if (surname_chars_ == 1)
        for (size_t i = 0; i < is_surname_.size(); ++i)
            is_surname_[i] = table.records()[i].hanzi == chars[0];
}

bool CandidateScorer::ContainsSurname(int first, int second) const {
    switch (surname_chars_) {
        case 0:
            return true;
        case 1:
            return is_surname_[static_cast<size_t>(first)] ||
                   (second >= 0 && is_surname_[static_cast<size_t>(second)]);
        case 2:
            return second >= 0 && surname_records_[0] >= 0 && surname_records_[1] >= 0 &&
                   table_[first].hanzi == table_[surname_records_[0]].hanzi &&
                   table_[second].hanzi == table_[surname_records_[1]].hanzi;
        default:
            return false;  // a two-character given name cannot hold a longer surname
    }
}

std::string CandidateScorer::GivenName(int first, int second) const {
    return second >= 0 ? table_[first].hanzi + table_[second].hanzi : table_[first].hanzi;
}

NameCandidate CandidateScorer::Describe(int first, int second, int score) const {
    FiveGrids g = GridsOfStrokes(StrokesOf(first, second));
    NameCandidate row;
    row.name = surname_ + GivenName(first, second);
    const int places[4] = {surname_records_[0],
                           surname_strokes_.two_char_surname ? surname_records_[1] : -1, first,
                           second};
    for (int record : places) {
        if (record < 0) continue;
        row.simplified_strokes += table_[record].simplified_strokes;
        row.elements += table_[record].element;
    }
    row.kangxi_strokes = g.total;
    row.grids = GridsText(g);
    row.talents = ThreeTalentsKey(g);
    row.score = score;
    return row;
}

}  // namespace qinghe
