#include "generation/candidate_plan.h"

namespace qinghe {

size_t CandidatePlan::Count() const {
    size_t count = 0;
    for (const auto& block : blocks) {
        if (const Cross* cross = std::get_if<Cross>(&block))
            count += cross->firsts.size() * cross->seconds.size();
        else
            count += std::get<List>(block).candidates.size();
    }
    return count;
}

}  // namespace qinghe
