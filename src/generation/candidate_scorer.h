// Scores the candidates of one run from memory: the CharTable's counts and
// the luck factors of the run, with the surname fixed. Row texts are made
// only for the candidates a list accepts.
#pragma once

#include <string>
#include <vector>

#include "generation/name_candidate.h"
#include "numerology/char_table.h"
#include "numerology/luck_tables.h"
#include "numerology/name_score.h"

namespace qinghe {

class CandidateScorer {
  public:
    CandidateScorer(const CharTable& table, const LuckTables& luck, std::string surname);

    // Whether the given name first+second holds the surname as whole characters.
    bool ContainsSurname(int first, int second) const;

    // The score of surname + first + second (second may be kNoCharacter).
    int Score(int first, int second) const {
        NameStrokes strokes = StrokesOf(first, second);
        FiveGrids g = GridsOfStrokes(strokes);
        return WeightedScore(
            luck_.NumberFactor(g.heaven), luck_.NumberFactor(g.person), luck_.NumberFactor(g.earth),
            luck_.NumberFactor(g.total), luck_.NumberFactor(g.outer),
            luck_.TalentsFactor(ElementIndexOfNumber(g.heaven), ElementIndexOfNumber(g.person),
                                ElementIndexOfNumber(g.earth)));
    }

    // The list row of an accepted candidate (number left 0).
    NameCandidate Describe(int first, int second, int score) const;
    std::string GivenName(int first, int second) const;

  private:
    NameStrokes StrokesOf(int first, int second) const {
        NameStrokes s = surname_strokes_;
        s.given1 = kangxi_[static_cast<size_t>(first)];
        s.two_char_given = second >= 0;
        s.given2 = s.two_char_given ? kangxi_[static_cast<size_t>(second)] : 0;
        return s;
    }

    const CharTable& table_;
    const LuckTables& luck_;
    std::string surname_;
    std::vector<int> kangxi_;
    NameStrokes surname_strokes_;
    int surname_records_[2] = {-1, -1};
    int surname_chars_ = 0;
    std::vector<char> is_surname_;  // per record, for a one-character surname
};

}  // namespace qinghe
