#include "birthchart/zodiac_advice.h"

#include <array>

#include "birthchart/sexagenary_table.h"
#include "text/gbk_literal.h"

namespace qinghe {

const std::string& ZodiacAdviceText(int branch_number) {
    // The wording is the product's and is kept exactly, the trailing space
    // after the 蛇 and 马 paragraphs included.
    static const std::array<std::string, 12> kAdvice = {
        // 子 鼠
        "生肖属相：鼠。\r\n\r\n"
        "鼠年出生的人取名偏旁部首：\r\n\r\n"
        "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
        "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。"_gbk,
        // 丑 牛
        "生肖属相：牛。\r\n\r\n"
        "牛年出生的人取名偏旁部首：\r\n\r\n"
        "宜：水、艹、豆、米、金、玉、宀、人、木、氵、钅等部首为吉。\r\n\r\n"
        "忌：月、火、田、车、马、石、血、纟、刀、几等部首。"_gbk,
        // 寅 虎
        "生肖属相：虎。\r\n\r\n"
        "虎年出生的人取名偏旁部首：\r\n\r\n"
        "宜：山、玉、金、木、示、水、月、犭、马、氵、钅等部首为吉。\r\n\r\n"
        "忌：日、火、田、口、几、纟、石、刀、血、弓、父、足等部首。"_gbk,
        // 卯 兔
        "生肖属相：兔。\r\n\r\n"
        "兔年出生的人取名偏旁部首：\r\n\r\n"
        "宜：月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅等部首为吉。\r\n\r\n"
        "忌：马、车、石、刀、力、皮、水、川等部首。"_gbk,
        // 辰 龙
        "生肖属相：龙。\r\n\r\n"
        "龙年出生的人取名偏旁部首：\r\n\r\n"
        "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
        "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。"_gbk,
        // 巳 蛇
        "生肖属相：蛇。\r\n\r\n"
        "蛇年出生的人取名偏旁部首：\r\n\r\n"
        "宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉。\r\n\r\n"
        "忌：小、石、刀、血、弓、火、人、犭、父、纟等部首。 "_gbk,
        // 午 马
        "生肖属相：马。\r\n\r\n"
        "马年出生的人取名偏旁部首：\r\n\r\n"
        "宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉。\r\n\r\n"
        "忌：田、日、火、水、车、石、力、刀、酉、马等部首。 "_gbk,
        // 未 羊
        "生肖属相：羊。\r\n\r\n"
        "羊年出生的人取名偏旁部首：\r\n\r\n"
        "宜：金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼等部首为吉。\r\n\r\n"
        "忌：小、犭、纟、车、山、水、日、火等部首。"_gbk,
        // 申 猴
        "生肖属相：猴。\r\n\r\n"
        "猴年出生的人取名偏旁部首：\r\n\r\n"
        "宜：木、禾、金、玉、豆、米、田、山、月、水、人、氵等部首为吉。\r\n\r\n"
        "忌：火、石、口、冖、纟、刀、力、皮、犭等部首。"_gbk,
        // 酉 鸡
        "生肖属相：鸡。\r\n\r\n"
        "鸡年出生的人取名偏旁部首：\r\n\r\n"
        "宜：米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅等部首为吉。\r\n\r\n"
        "忌：石、犭、刀、力、日、酉、血、弓、才、乡、车、马等部首。"_gbk,
        // 戌 狗
        "生肖属相：狗。\r\n\r\n"
        "狗年出生的人取名偏旁部首：\r\n\r\n"
        "宜：鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅等部首为吉。\r\n\r\n"
        "忌：火、石、纟、山、才、日、酉、车、刀、父、言等部首。"_gbk,
        // 亥 猪
        "生肖属相：猪。\r\n\r\n"
        "猪年出生的人取名偏旁部首：\r\n\r\n"
        "宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉。\r\n\r\n"
        "忌：纟、石、刀、力、血、弓、几、皮、父等部首。"_gbk,
    };
    static const std::string kNone;
    return branch_number >= 1 && branch_number <= 12 ? kAdvice[branch_number - 1] : kNone;
}

int ZodiacBranchNumber(std::string_view year_pillar) {
    const int position = CyclePositionOfName(year_pillar);
    return position == 0 ? 0 : (position - 1) % 12 + 1;
}

std::string ZodiacAnimal(std::string_view year_pillar) {
    static const std::array<std::string, 12> kAnimals = {
        "鼠"_gbk, "牛"_gbk, "虎"_gbk, "兔"_gbk, "龙"_gbk, "蛇"_gbk,
        "马"_gbk, "羊"_gbk, "猴"_gbk, "鸡"_gbk, "狗"_gbk, "猪"_gbk,
    };
    const int number = ZodiacBranchNumber(year_pillar);
    return number == 0 ? std::string() : kAnimals[number - 1];
}

}  // namespace qinghe
