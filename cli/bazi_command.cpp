// qinghe-cli bazi --date YYYY-MM-DD [--hour H]: the birth chart of a date and
// hour, as the birth-chart page shows it, or its values as JSON.
#include <iostream>

#include "birthchart/show_birth_chart.h"
#include "birthchart/zodiac_advice.h"
#include "command.h"
#include "text/gbk.h"

namespace qinghe::cli {
namespace {

// The page over plain strings, its date taken from the command line.
class CommandLinePage : public BirthChartPage {
  public:
    explicit CommandLinePage(BirthDateTexts date) : date_(std::move(date)) {}

    BirthDateTexts SelectedDate() const override { return date_; }
    std::string ReportText() const override { return report_; }
    void SetReportText(const std::string& text) override { report_ = text; }
    void SetElementLabel(const std::string&) override {}
    void SetMissingLabel(const std::string&) override {}

  private:
    BirthDateTexts date_;
    std::string report_;
};

// "2013-01-01" → "2013", "1", "1", the texts the date boxes would hold.
// Anything not of that shape is passed on as it is for the chart to refuse.
BirthDateTexts DateTexts(const std::string& date, const std::string& hour) {
    auto trim_zeros = [](std::string text) {
        const size_t first = text.find_first_not_of('0');
        return first == std::string::npos ? (text.empty() ? text : "0") : text.substr(first);
    };
    const size_t first_dash = date.find('-');
    const size_t second_dash = date.find('-', first_dash + 1);
    if (first_dash == std::string::npos || second_dash == std::string::npos)
        return {date, "", "", hour};
    return {date.substr(0, first_dash),
            trim_zeros(date.substr(first_dash + 1, second_dash - first_dash - 1)),
            trim_zeros(date.substr(second_dash + 1)), trim_zeros(hour)};
}

Json ChartJson(const BirthChart& chart) {
    Json nayin = Json::array();
    for (const std::string& name : chart.nayin)
        nayin.push_back(GbkToUtf8(name));
    return Json{
        {"year", GbkToUtf8(chart.pillars.year)},
        {"month", GbkToUtf8(chart.pillars.month)},
        {"day", GbkToUtf8(chart.pillars.day)},
        {"hour", GbkToUtf8(chart.pillars.hour)},
        {"lunar_month", chart.lunar.month},
        {"lunar_leap", chart.lunar.leap},
        {"lunar_day", chart.lunar.day},
        {"nayin", nayin},
        {"missing", GbkToUtf8(chart.missing)},
        {"animal", GbkToUtf8(ZodiacAnimal(chart.pillars.year))},
    };
}

int RunBazi(Invocation& invocation) {
    auto& args = invocation.args;
    const std::string date = TakeOption(args, "--date");
    const std::string hour = TakeOption(args, "--hour");
    if (date.empty() || !args.empty()) {
        std::cerr << "usage: qinghe-cli bazi --date YYYY-MM-DD [--hour 0-23] [--json]\n";
        return 2;
    }
    // Without --hour the chart is for midnight, the first hour the box offers.
    CommandLinePage page(DateTexts(Utf8ToGbk(date), Utf8ToGbk(hour.empty() ? "0" : hour)));
    StderrMessenger messenger;
    const std::optional<BirthChart> chart = ShowBirthChart(page, messenger);
    if (!chart) return 1;
    if (invocation.json)
        PrintJson(ChartJson(*chart));
    else
        std::cout << GbkToUtf8(page.ReportText()) << std::flush;
    return 0;
}

const CommandRegistration kBazi{"bazi", "bazi --date YYYY-MM-DD [--hour 0-23]", &RunBazi};

}  // namespace
}  // namespace qinghe::cli
