// The candidate given names of a run, kept as blocks of character-record
// indexes instead of texts: a super-lucky run has millions of candidates,
// and only the accepted ones ever become text.
#pragma once

#include <cstddef>
#include <utility>
#include <variant>
#include <vector>

namespace qinghe {

// Indexes into the run's CharTable; kNoCharacter as the second index means
// a one-character given name.
inline constexpr int kNoCharacter = -1;

struct CandidatePlan {
    // Every first followed by every second, firsts in the outer loop.
    struct Cross {
        std::vector<int> firsts;
        std::vector<int> seconds;
    };
    // Explicit candidates in order.
    struct List {
        std::vector<std::pair<int, int>> candidates;
    };

    std::vector<std::variant<Cross, List>> blocks;

    size_t Count() const;

    // Calls visit(first, second) for every candidate in order until it
    // returns false; returns false when stopped early.
    template <typename Visit>
    bool ForEach(Visit&& visit) const {
        for (const auto& block : blocks) {
            if (const Cross* cross = std::get_if<Cross>(&block)) {
                for (int first : cross->firsts)
                    for (int second : cross->seconds)
                        if (!visit(first, second)) return false;
            } else {
                for (const auto& [first, second] : std::get<List>(block).candidates)
                    if (!visit(first, second)) return false;
            }
        }
        return true;
    }
};

}  // namespace qinghe
