#include "generation/shuffle_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qinghe {
namespace {

std::vector<std::string> Letters() {
    return {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
}

TEST(ShuffleTextsTest, PermutesWithoutLosingAnything) {
    std::vector<std::string> texts = Letters();
    std::mt19937 random = MakeShuffleRandom(11);
    ShuffleTexts(texts, random);
    std::vector<std::string> sorted = texts;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, Letters());
    EXPECT_NE(texts, Letters());
}

TEST(ShuffleTextsTest, SameSeedSameOrderOtherSeedOtherOrder) {
    std::vector<std::string> a = Letters(), b = Letters(), c = Letters();
    std::mt19937 ra = MakeShuffleRandom(5), rb = MakeShuffleRandom(5), rc = MakeShuffleRandom(6);
    ShuffleTexts(a, ra);
    ShuffleTexts(b, rb);
    ShuffleTexts(c, rc);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(ShuffleTextsTest, EveryPositionIsReachable) {
    // Over many shuffles the first text lands in every position.
    std::vector<int> seen(10, 0);
    std::mt19937 random = MakeShuffleRandom(3);
    for (int run = 0; run < 2000; ++run) {
        std::vector<std::string> texts = Letters();
        ShuffleTexts(texts, random);
        ++seen[static_cast<size_t>(std::find(texts.begin(), texts.end(), "a") - texts.begin())];
    }
    for (int count : seen)
        EXPECT_GT(count, 120);
}

TEST(ShuffleTextsTest, OneOrNoElementStaysAsItIs) {
    std::mt19937 random = MakeShuffleRandom(1);
    std::vector<std::string> one = {"x"}, none;
    ShuffleTexts(one, random);
    ShuffleTexts(none, random);
    EXPECT_EQ(one, std::vector<std::string>{"x"});
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace qinghe
