// Random order for the pools and the classic lists.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace qinghe {

// A random generator seeded from the clock, or from `seed` when it is not 0
// (benchmarks and tests use a fixed seed).
std::mt19937 MakeShuffleRandom(std::uint32_t seed = 0);

// For i from the first element to the one before the last, swaps element i
// with an element drawn uniformly from i to the last: every order is
// equally likely. A list of one element stays unchanged.
void ShuffleTexts(std::vector<std::string>& texts, std::mt19937& random);

}  // namespace qinghe
