// The Kangxi stroke count that name numerology uses.
#pragma once

#include <string>

#include "unihan.h"

namespace namedata {

// The rule: the traditional form's Kangxi radical counted in its full form
// (氵 as 水 4, 扌 as 手 4, 艹 as 艸 6, 辶 as 辵 7, 左阝 as 阜 8, 右阝 as 邑 7,
// 王 as 玉 5, 月 as 肉 6 where the radical is 肉 …) plus its residual
// strokes; a character that is a radical itself (residual 0) counts its own
// total; 一 to 十 count by their value. 0 when Unihan does not know the form.
int KangxiStrokes(const std::string& traditional, const Unihan& unihan);

}  // namespace namedata
