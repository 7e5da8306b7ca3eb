#include "generation/builtin_lists_gbk.h"

#include "generation/builtin_lists.h"
#include "text/gbk.h"

namespace qinghe {

const std::string& MalePool() {
    static const std::string list = Utf8ToGbk(kMalePoolUtf8);
    return list;
}

const std::string& FemalePool() {
    static const std::string list = Utf8ToGbk(kFemalePoolUtf8);
    return list;
}

const std::string& NicknamePool() {
    static const std::string list = MalePool() + FemalePool();
    return list;
}

const std::string& ClassicMaleSingles() {
    static const std::string list = Utf8ToGbk(kClassicMaleSinglesUtf8);
    return list;
}

const std::string& ClassicFemaleSingles() {
    static const std::string list = Utf8ToGbk(kClassicFemaleSinglesUtf8);
    return list;
}

const std::string& ClassicMaleNames() {
    static const std::string list = Utf8ToGbk(kClassicMaleNamesUtf8);
    return list;
}

const std::string& ClassicFemaleNames() {
    static const std::string list = Utf8ToGbk(kClassicFemaleNamesUtf8);
    return list;
}

}  // namespace qinghe
