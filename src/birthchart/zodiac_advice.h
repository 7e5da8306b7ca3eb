// The zodiac animal (生肖) of a year pillar and the radicals (偏旁部首) that
// suit and do not suit a name for a baby born in that animal's year.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// The advice paragraph for branch number 1 (子, 鼠) … 12 (亥, 猪); "" for
// any other number. GBK.
const std::string& ZodiacAdviceText(int branch_number);

// The branch number 1..12 of a year pillar such as "甲午" (GBK), found by
// comparing it with the sixty cycle names in order; 0 when it is none.
int ZodiacBranchNumber(std::string_view year_pillar);

// "鼠" … "猪" for the year pillar's branch, "" when it is no pillar. GBK.
std::string ZodiacAnimal(std::string_view year_pillar);

}  // namespace qinghe
