// What a generation run reads from the main window, once, at its start.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace qinghe {

// The naming modes, in the order the engine tests them.
enum class GenerationMode {
    kHighScore,
    kClassic,
    kSuperLucky,
    kPoetry,
    kCombination,
    kNickname,
    kEnglish
};

// A generation character (辈份字) fixes the second or the third character of
// the full name in the high-score, poetry and combination modes.
enum class GenerationCharKind { kNone, kSecond, kThird };

struct GenerationCharSetting {
    GenerationCharKind kind = GenerationCharKind::kNone;
    std::string second;  // GBK, one character, used when kind is kSecond
    std::string third;   // used when kind is kThird
};

// One row of the super-lucky element filters: the master box and the five
// element boxes in the caption order 金 木 水 火 土.
struct ElementFilterRow {
    bool master = false;
    std::array<bool, 5> elements{};
};

struct ElementFilters {
    ElementFilterRow second;     // "第二个字五行限定"
    ElementFilterRow third;      // "第三个字五行限定"
    ElementFilterRow required;   // "所有字必须带五行(含姓)"
    ElementFilterRow forbidden;  // "所有字不能带五行(含姓)"
};

enum class NicknamePattern {
    kNone,
    kDoubled,
    kXiaoPrefix,
    kErSuffix,
    kAhPrefix
};  // AA, 小A, A儿, 阿A

// One tick box of the poem character picker.
struct PoemCharBox {
    std::string caption;  // one character (GBK)
    bool ticked = false;
};

// All texts are GBK.
struct GenerationInputs {
    GenerationMode mode = GenerationMode::kClassic;
    std::string surname;  // 编辑框_姓氏
    std::string sex;      // 组合框_性别: "男" or "女"
    std::string name_length;  // 组合框_名字个数: "二字" means two characters, anything else one
    GenerationCharSetting generation_char;
    ElementFilters filters;
    std::string combination_text;  // 编辑框_组合的字
    NicknamePattern nickname = NicknamePattern::kDoubled;
    std::string english_given;  // 编辑框_英文名字
    int english_gender = 1;     // 1 男性化, 2 女性化, 3 中性化, 0 none ticked
    std::vector<PoemCharBox> poem_boxes;
};

}  // namespace qinghe
