#include "generation/shuffle_texts.h"

#include <chrono>
#include <utility>

namespace qinghe {

std::mt19937 MakeShuffleRandom(std::uint32_t seed) {
    if (seed == 0)
        seed =
            static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return std::mt19937(seed);
}

void ShuffleTexts(std::vector<std::string>& texts, std::mt19937& random) {
    if (texts.size() < 2) return;
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        std::uniform_int_distribution<size_t> pick(i, texts.size() - 1);
        std::swap(texts[i], texts[pick(random)]);
    }
}

}  // namespace qinghe
