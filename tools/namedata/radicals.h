// The 214 Kangxi radicals: their stroke counts and the characters that show them.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace namedata {

// Strokes of Kangxi radical 1..214 written in its full form (水 4, 艸 6,
// 辵 7, 阜 8, 邑 7, 玉 5, 示 5, 衣 6, 肉 6, 犬 4, 糸 6, 金 8, 言 7, 心 4,
// 手 4 …); 0 outside the range. The radicals are numbered by stroke count,
// so the count follows from the number.
int RadicalStrokes(int radical);

// CJKRadicals.txt: radical number (with "'" for a simplified form) → the
// unified ideograph that stands for it, e.g. "85" → 水, "167'" → 钅.
class RadicalCharacters {
  public:
    static RadicalCharacters Load(const std::filesystem::path& file);
    // "" when unknown.
    std::string Character(int radical, bool simplified) const;

  private:
    std::map<std::string, std::string> characters_;
};

}  // namespace namedata
