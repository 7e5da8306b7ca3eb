#include "text/split_characters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "text/gbk_literal.h"

namespace qinghe {
namespace {

using Pieces = std::vector<std::string>;

TEST(SplitCharactersTest, SplitsByTheByteRule) {
    struct Case {
        std::string text;
        Pieces expected;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"李"_gbk, {"李"_gbk}},
        {"欧阳志强"_gbk, {"欧"_gbk, "阳"_gbk, "志"_gbk, "强"_gbk}},
        {"ab"_gbk + "明"_gbk, {"a", "b", "明"_gbk}},
        {"明 华"_gbk, {"明"_gbk, " ", "华"_gbk}},
        // Bytes 123..127 start a two-byte character too.
        {"{x", {"{x"}},
        {"\x7F"
         "a",
         {"\x7F"
          "a"}},
        {"z{", {"z"}},  // 'z' is 122, the last one-byte value; a lone '{' at the end is dropped
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCharacters(c.text), c.expected) << c.text;
}

TEST(SplitCharactersTest, LoneLeadByteAtTheEndIsDroppedWithoutOverRead) {
    // The text lives in a buffer of exactly its size so that the address
    // sanitizer catches any read past the end.
    const std::string source = "明"_gbk + "\xC0";
    auto buffer = std::make_unique<char[]>(source.size());
    std::memcpy(buffer.get(), source.data(), source.size());
    Pieces pieces = SplitCharacters(std::string_view(buffer.get(), source.size()));
    EXPECT_EQ(pieces, Pieces{"明"_gbk});
    auto lone = std::make_unique<char[]>(1);
    lone[0] = '\xB0';
    EXPECT_TRUE(SplitCharacters(std::string_view(lone.get(), 1)).empty());
}

}  // namespace
}  // namespace qinghe
