#include "birthchart/sexagenary_table.h"

#include <array>

#include "text/gbk_literal.h"

namespace qinghe {
namespace {

const std::string kEmpty;

const std::array<std::string, 10>& Stems() {
    static const std::array<std::string, 10> kStems = {
        "甲"_gbk, "乙"_gbk, "丙"_gbk, "丁"_gbk, "戊"_gbk,
        "己"_gbk, "庚"_gbk, "辛"_gbk, "壬"_gbk, "癸"_gbk,
    };
    return kStems;
}

const std::array<std::string, 12>& Branches() {
    static const std::array<std::string, 12> kBranches = {
        "子"_gbk, "丑"_gbk, "寅"_gbk, "卯"_gbk, "辰"_gbk, "巳"_gbk,
        "午"_gbk, "未"_gbk, "申"_gbk, "酉"_gbk, "戌"_gbk, "亥"_gbk,
    };
    return kBranches;
}

// 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
const std::string& StemElement(int stem) {
    static const std::array<std::string, 5> kElements = {"木"_gbk, "火"_gbk, "土"_gbk, "金"_gbk,
                                                         "水"_gbk};
    return kElements[stem / 2];
}

const std::string& BranchElement(int branch) {
    static const std::array<std::string, 12> kElements = {
        "水"_gbk, "土"_gbk, "木"_gbk, "木"_gbk, "土"_gbk, "火"_gbk,
        "火"_gbk, "土"_gbk, "金"_gbk, "金"_gbk, "土"_gbk, "水"_gbk,
    };
    return kElements[branch];
}

template <typename Make>
std::array<std::string, kCycleLength> ForEachPosition(Make make) {
    std::array<std::string, kCycleLength> texts;
    for (int i = 0; i < kCycleLength; ++i)
        texts[i] = make(i % 10, i % 12);
    return texts;
}

bool InCycle(int position) {
    return position >= 1 && position <= kCycleLength;
}

}  // namespace

const std::string& CycleName(int position) {
    static const auto kNames =
        ForEachPosition([](int stem, int branch) { return Stems()[stem] + Branches()[branch]; });
    return InCycle(position) ? kNames[position - 1] : kEmpty;
}

int CyclePositionOfName(std::string_view name) {
    for (int position = 1; position <= kCycleLength; ++position)
        if (CycleName(position) == name) return position;
    return 0;
}

int CyclePositionOf(int stem, int branch) {
    // The index i in 0..59 with i ≡ stem (mod 10) and i ≡ branch (mod 12).
    return FoldIntoCycle(6LL * stem - 5LL * branch + 1);
}

int FoldIntoCycle(long long number) {
    const long long index = ((number - 1) % kCycleLength + kCycleLength) % kCycleLength;
    return static_cast<int>(index) + 1;
}

const std::string& CycleElementPair(int position) {
    static const auto kPairs = ForEachPosition(
        [](int stem, int branch) { return StemElement(stem) + "," + BranchElement(branch) + ","; });
    return InCycle(position) ? kPairs[position - 1] : kEmpty;
}

const std::string& CycleNayin(int position) {
    static const std::array<std::string, kCycleLength / 2> kNayin = {
        "海中金"_gbk, "炉中火"_gbk, "大林木"_gbk, "路旁土"_gbk, "剑锋金"_gbk, "山头火"_gbk,
        "涧下水"_gbk, "城头土"_gbk, "白蜡金"_gbk, "杨柳木"_gbk, "泉中水"_gbk, "屋上土"_gbk,
        "霹雳火"_gbk, "松柏木"_gbk, "长流水"_gbk, "砂石金"_gbk, "山下火"_gbk, "平地木"_gbk,
        "壁上土"_gbk, "金箔金"_gbk, "灯头火"_gbk, "天河水"_gbk, "大驿土"_gbk, "钗钏金"_gbk,
        "桑柘木"_gbk, "大溪水"_gbk, "沙中土"_gbk, "天上火"_gbk, "石榴木"_gbk, "大海水"_gbk,
    };
    return InCycle(position) ? kNayin[(position - 1) / 2] : kEmpty;
}

const std::string& StemName(int stem) {
    return stem >= 0 && stem < 10 ? Stems()[stem] : kEmpty;
}

const std::string& BranchName(int branch) {
    return branch >= 0 && branch < 12 ? Branches()[branch] : kEmpty;
}

}  // namespace qinghe
