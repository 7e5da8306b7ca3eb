// The sixty stem-branch pairs (六十甲子) with the five elements of their two
// characters and their 纳音 element. Position i (1..60) has stem (i−1) mod 10
// of 甲乙丙丁戊己庚辛壬癸 and branch (i−1) mod 12 of 子丑寅卯辰巳午未申酉戌亥:
// 1 is 甲子, 60 is 癸亥. All texts are GBK.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

inline constexpr int kCycleLength = 60;

// "甲子" for 1, … "癸亥" for 60; "" for any other number.
const std::string& CycleName(int position);
// The position of a name, looked up against CycleName(1..60) in order; 0
// when the text is none of the sixty.
int CyclePositionOfName(std::string_view name);

// The position of stem s (0 = 甲) with branch b (0 = 子); they must have the
// same parity, as only such pairs exist.
int CyclePositionOf(int stem, int branch);
// Any whole number folded into 1..60 (61 is 1 again, 0 is 60).
int FoldIntoCycle(long long number);

// The elements of the stem and of the branch, each followed by a comma:
// "木,水," for 甲子. "" outside 1..60.
const std::string& CycleElementPair(int position);
// The 纳音 element shared by positions 2k−1 and 2k: "海中金" for 甲子 and
// 乙丑. "" outside 1..60.
const std::string& CycleNayin(int position);

const std::string& StemName(int stem);      // 0..9
const std::string& BranchName(int branch);  // 0..11

}  // namespace qinghe
