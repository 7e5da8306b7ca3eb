#include "generation/generation_host.h"

namespace qinghe {

const char* ControlName(Control control) {
    switch (control) {
        case Control::kToolbarModeSelect:
            return "工具条1_模式选择";
        case Control::kMenuModeSelect:
            return "菜单_模式选择";
        case Control::kHighScorePause:
            return "按钮_高分暂停";
        case Control::kHighScoreRegenerate:
            return "按钮_再生成一次";
        case Control::kHighScoreExport:
            return "按钮_高分导出";
        case Control::kSuperLuckyGenerate:
            return "按钮_超吉生成";
        case Control::kSuperLuckyPause:
            return "按钮_超吉暂停";
        case Control::kSuperLuckyExport:
            return "按钮_超吉导出";
        case Control::kRadioHighScore:
            return "单选框_高分起名";
        case Control::kRadioSuperLucky:
            return "单选框_超吉起名";
        case Control::kRadioPoetry:
            return "单选框_诗词起名";
        case Control::kRadioCombination:
            return "单选框_组合起名";
        case Control::kRadioNickname:
            return "单选框_起小名";
        case Control::kRadioEnglish:
            return "单选框_起英文名";
    }
    return "";
}

const char* ResultListName(ResultList list) {
    switch (list) {
        case ResultList::kHighScore:
            return "超级列表框_高分起名";
        case ResultList::kSuperLucky:
            return "超级列表框_超吉起名";
        case ResultList::kPoetry:
            return "超级列表框_诗名列表";
        case ResultList::kCombination:
            return "超级列表框_组合列表";
        case ResultList::kNickname:
            return "超级列表框_小名列表";
    }
    return "";
}

}  // namespace qinghe
