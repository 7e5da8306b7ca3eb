// The engine's only way to the window: the desktop window, the command line
// and the tests each implement this interface. The engine calls it from the
// worker thread; a window host delivers the calls to its own thread in order.
#pragma once

#include <string>
#include <vector>

#include "app/messenger.h"
#include "generation/generation_inputs.h"
#include "generation/name_candidate.h"

namespace qinghe {

// The controls a run enables and disables, by the window's names.
enum class Control {
    kToolbarModeSelect,    // first toolbar button "模式选择"
    kMenuModeSelect,       // menu command "模式选择"
    kHighScorePause,       // 按钮_高分暂停
    kHighScoreRegenerate,  // 按钮_再生成一次
    kHighScoreExport,      // 按钮_高分导出
    kSuperLuckyGenerate,   // 按钮_超吉生成
    kSuperLuckyPause,      // 按钮_超吉暂停
    kSuperLuckyExport,     // 按钮_超吉导出
    kRadioHighScore,       // 单选框_高分起名
    kRadioSuperLucky,      // 单选框_超吉起名
    kRadioPoetry,          // 单选框_诗词起名
    kRadioCombination,     // 单选框_组合起名
    kRadioNickname,        // 单选框_起小名
    kRadioEnglish,         // 单选框_起英文名
};
// The control's object name in UTF-8, e.g. "按钮_高分暂停".
const char* ControlName(Control control);

// The pages a run brings to the front.
enum class Page {
    kHighScore = 1,  // page 1 of 高级选择夹1
    kSuperLucky = 9,
    kClassic = 10,
    kPoemGenerate = 100,  // page "生成名字" of the poem tab control 高级选择夹2
};

// The scored result lists.
enum class ResultList { kHighScore, kSuperLucky, kPoetry, kCombination, kNickname };
// The list's object name in UTF-8, e.g. "超级列表框_高分起名".
const char* ResultListName(ResultList list);

// One row of "超级列表框_英文列表" (GBK texts).
struct EnglishNameRow {
    int number = 0;
    std::string name;
    std::string chinese_reading;  // 中文读音
    std::string meaning;          // 相关含义
};

class GenerationHost {
  public:
    virtual ~GenerationHost() = default;

    virtual GenerationInputs ReadInputs() = 0;
    virtual void ShowWaitingBox() = 0;
    virtual void CloseWaitingBox() = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void ShowPage(Page page) = 0;
    // Blocks until the user has answered it. Texts are GBK.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;

    // Appends `count` empty rows to the (already cleared) list.
    virtual void InsertPlaceholderRows(ResultList list, int count) = 0;
    // Fills row `row` (0-based) with a candidate.
    virtual void FillRow(ResultList list, int row, const NameCandidate& candidate) = 0;
    // Removes row `row` and every row after it.
    virtual void RemoveRowsFrom(ResultList list, int row) = 0;
    // Replaces the list's rows by the same rows sorted by score and renumbered.
    virtual void ShowSortedRows(ResultList list, const std::vector<NameCandidate>& rows) = 0;

    virtual void AppendEnglishRow(const EnglishNameRow& row) = 0;
    virtual void SetClassicText(const std::string& text) = 0;
};

}  // namespace qinghe
