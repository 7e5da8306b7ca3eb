// qinghe-cli generate: one naming run in any mode, printed in list order.
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <map>

#include "cli_host.h"
#include "command.h"
#include "generation/generation_engine.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace qinghe::cli {
namespace {

const char* const kUsage =
    "generate --mode high|super|classic|poem|combine|nickname|english --surname 李 --sex 男|女 "
    "--length 1|2\n"
    "             [--limit N] [--seed N] [--second 志 | --third 强] [--filter-second 金水] "
    "[--filter-third 木]\n"
    "             [--require 金木水火土] [--forbid 火] [--chars 明华] [--pattern AA|小A|A儿|阿A]\n"
    "             [--given 明 --gender 1|2|3]";

// Element boxes in the caption order 金 木 水 火 土; a row named on the
// command line is ticked with the elements it lists.
ElementFilterRow FilterRow(const std::string& elements_utf8) {
    ElementFilterRow row;
    row.master = true;
    const char* captions[] = {"金", "木", "水", "火", "土"};
    for (size_t i = 0; i < 5; ++i)
        row.elements[i] = elements_utf8.find(captions[i]) != std::string::npos;
    return row;
}

bool ParseInputs(std::vector<std::string> args, GenerationInputs& in, std::string* error) {
    static const std::map<std::string, GenerationMode> kModes = {
        {"high", GenerationMode::kHighScore},      {"super", GenerationMode::kSuperLucky},
        {"classic", GenerationMode::kClassic},     {"poem", GenerationMode::kPoetry},
        {"combine", GenerationMode::kCombination}, {"nickname", GenerationMode::kNickname},
        {"english", GenerationMode::kEnglish}};
    static const std::map<std::string, NicknamePattern> kPatterns = {
        {"AA", NicknamePattern::kDoubled},
        {"小A", NicknamePattern::kXiaoPrefix},
        {"A儿", NicknamePattern::kErSuffix},
        {"阿A", NicknamePattern::kAhPrefix}};
    auto mode = kModes.find(TakeOption(args, "--mode"));
    if (mode == kModes.end()) return *error = "--mode is missing or unknown", false;
    in.mode = mode->second;
    in.surname = Utf8ToGbk(TakeOption(args, "--surname"));
    std::string sex = TakeOption(args, "--sex");
    in.sex = Utf8ToGbk(sex.empty() ? "男" : sex);
    in.name_length = Utf8ToGbk(TakeOption(args, "--length") == "1" ? "一字" : "二字");

    if (std::string second = TakeOption(args, "--second"); !second.empty())
        in.generation_char = {GenerationCharKind::kSecond, Utf8ToGbk(second), ""};
    if (std::string third = TakeOption(args, "--third"); !third.empty())
        in.generation_char = {GenerationCharKind::kThird, "", Utf8ToGbk(third)};

    for (auto [option, row] : {std::pair{"--filter-second", &in.filters.second},
                               std::pair{"--filter-third", &in.filters.third},
                               std::pair{"--require", &in.filters.required},
                               std::pair{"--forbid", &in.filters.forbidden}}) {
        auto it = std::find(args.begin(), args.end(), option);
        if (it != args.end()) *row = FilterRow(TakeOption(args, option));
    }

    std::string chars = Utf8ToGbk(TakeOption(args, "--chars"));
    in.combination_text = chars;
    for (const std::string& c : SplitCharacters(chars))
        in.poem_boxes.push_back({c, true});

    if (std::string pattern = TakeOption(args, "--pattern"); !pattern.empty()) {
        auto it = kPatterns.find(pattern);
        if (it == kPatterns.end()) return *error = "--pattern must be AA, 小A, A儿 or 阿A", false;
        in.nickname = it->second;
    }
    in.english_given = Utf8ToGbk(TakeOption(args, "--given"));
    if (std::string gender = TakeOption(args, "--gender"); !gender.empty())
        in.english_gender = std::stoi(gender);
    if (!args.empty()) return *error = "unknown argument " + args.front(), false;
    return true;
}

ResultList ListOf(GenerationMode mode) {
    switch (mode) {
        case GenerationMode::kSuperLucky:
            return ResultList::kSuperLucky;
        case GenerationMode::kPoetry:
            return ResultList::kPoetry;
        case GenerationMode::kCombination:
            return ResultList::kCombination;
        case GenerationMode::kNickname:
            return ResultList::kNickname;
        default:
            return ResultList::kHighScore;
    }
}

void PrintNameRows(const std::vector<NameCandidate>& rows, size_t limit, bool json) {
    const auto& titles = NameCandidateColumnTitles();
    Json list = Json::array();
    if (!json) {
        for (int column = 0; column < 8; ++column)
            std::cout << (column ? "\t" : "") << GbkToUtf8(titles[column]);
        std::cout << "\n";
    }
    for (size_t i = 0; i < rows.size() && i < limit; ++i) {
        const NameCandidate& row = rows[i];
        if (json) {
            Json item = Json::object();
            item[GbkToUtf8(titles[0])] = row.number;
            item[GbkToUtf8(titles[1])] = GbkToUtf8(row.name);
            item[GbkToUtf8(titles[2])] = row.simplified_strokes;
            item[GbkToUtf8(titles[3])] = row.kangxi_strokes;
            item[GbkToUtf8(titles[4])] = GbkToUtf8(row.elements);
            item[GbkToUtf8(titles[5])] = row.grids;
            item[GbkToUtf8(titles[6])] = GbkToUtf8(row.talents);
            item[GbkToUtf8(titles[7])] = row.score;
            list.push_back(item);
        } else {
            for (int column = 0; column < 8; ++column)
                std::cout << (column ? "\t" : "") << GbkToUtf8(ColumnText(row, column));
            std::cout << "\n";
        }
    }
    if (json) PrintJson(list);
}

void PrintEnglishRows(const std::vector<EnglishNameRow>& rows, size_t limit, bool json) {
    Json list = Json::array();
    if (!json) std::cout << "编号\t英文名\t中文读音\t相关含义\n";
    for (size_t i = 0; i < rows.size() && i < limit; ++i) {
        const EnglishNameRow& row = rows[i];
        if (json)
            list.push_back({{"编号", row.number},
                            {"英文名", GbkToUtf8(row.name)},
                            {"中文读音", GbkToUtf8(row.chinese_reading)},
                            {"相关含义", GbkToUtf8(row.meaning)}});
        else
            std::cout << row.number << "\t" << GbkToUtf8(row.name) << "\t"
                      << GbkToUtf8(row.chinese_reading) << "\t" << GbkToUtf8(row.meaning) << "\n";
    }
    if (json) PrintJson(list);
}

int RunGenerate(Invocation& invocation) {
    std::vector<std::string> args = invocation.args;
    std::string limit_text = TakeOption(args, "--limit");
    std::string seed_text = TakeOption(args, "--seed");
    GenerationInputs inputs;
    std::string error;
    if (!ParseInputs(args, inputs, &error)) {
        std::cerr << "qinghe-cli: " << error << "\nusage: qinghe-cli " << kUsage << "\n";
        return 2;
    }
    size_t limit = limit_text.empty() ? SIZE_MAX : std::stoul(limit_text);

    DbObject db;
    LoadDatabase(invocation, db);
    CliHost host(inputs);
    RunControl control;
    EngineOptions options;
    if (!seed_text.empty())
        options.shuffle_seed = static_cast<std::uint32_t>(std::stoul(seed_text));
    GenerationEngine(db, host, control, options).Run();

    if (inputs.mode == GenerationMode::kClassic) {
        if (invocation.json)
            PrintJson({{"经典名字", GbkToUtf8(host.classic_text())}});
        else
            std::cout << GbkToUtf8(host.classic_text()) << "\n";
    } else if (inputs.mode == GenerationMode::kEnglish) {
        PrintEnglishRows(host.english_rows(), limit, invocation.json);
    } else {
        PrintNameRows(host.rows(ListOf(inputs.mode)), limit, invocation.json);
    }
    return 0;
}

const CommandRegistration kGenerate{"generate", kUsage, &RunGenerate};

}  // namespace
}  // namespace qinghe::cli
