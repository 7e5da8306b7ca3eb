#include "birthchart/birth_chart.h"

#include <algorithm>

#include "birthchart/sexagenary_table.h"
#include "text/gbk_literal.h"

namespace qinghe {
namespace {

// The elements that occur in none of the pairs, in the order 金木水火土.
std::string MissingElements(const std::array<std::string, 4>& pairs) {
    static const std::array<std::string, 5> kElements = {"金"_gbk, "木"_gbk, "水"_gbk, "火"_gbk,
                                                         "土"_gbk};
    std::string missing;
    for (const std::string& element : kElements) {
        // A pair is "X,Y,": both characters sit before a comma, so matching
        // element + "," never straddles two characters.
        const bool occurs = std::any_of(pairs.begin(), pairs.end(), [&](const std::string& pair) {
            return pair.find(element + ",") != std::string::npos;
        });
        if (!occurs) missing += element;
    }
    return missing;
}

std::string Report(const BirthChart& chart) {
    static const std::string kBreak = "\r\n\r\n";
    const Pillars& p = chart.pillars;
    const BirthDateTexts& t = chart.texts;
    std::string report;
    report += "公历日期："_gbk + t.year + "年"_gbk + t.month + "月"_gbk + t.day + "日"_gbk +
              t.hour + "时"_gbk + kBreak;
    report += "农历日期："_gbk + chart.lunar_text + p.hour + "时"_gbk + kBreak;
    report += "八字四柱："_gbk + p.year + "年  "_gbk + p.month + "月  "_gbk + p.day + "日  "_gbk +
              p.hour + "时"_gbk + kBreak;
    report += "八字五行："_gbk + chart.element_text + " ( " + MissingElementsPart(chart.missing) +
              " ) " + kBreak;
    report += "五行纳音："_gbk + chart.nayin[0] + "  " + chart.nayin[1] + "  " + chart.nayin[2] +
              "  " + chart.nayin[3] + kBreak;
    return report;
}

}  // namespace

std::string MissingElementsPart(const std::string& missing) {
    return missing.empty() ? "五行不缺"_gbk : "五行缺："_gbk + missing;
}

BirthChart ComputeBirthChart(const BirthDateTexts& texts, const CivilDateTime& moment) {
    BirthChart chart;
    chart.texts = texts;
    chart.moment = moment;
    chart.pillars = PillarsOf(moment);
    chart.positions = PillarPositionsOf(moment);
    chart.lunar = LunarDateOf(moment.date());
    chart.lunar_text = FormatLunarDate(moment, "%Y年    %M  %D日  "_gbk);
    const std::array<const std::string*, 4> names = {&chart.pillars.year, &chart.pillars.month,
                                                     &chart.pillars.day, &chart.pillars.hour};
    for (size_t i = 0; i < names.size(); ++i) {
        const int position = CyclePositionOfName(*names[i]);
        chart.element_pairs[i] = CycleElementPair(position);
        chart.nayin[i] = CycleNayin(position);
        chart.element_text += chart.element_pairs[i];
    }
    chart.missing = MissingElements(chart.element_pairs);
    chart.report = Report(chart);
    return chart;
}

}  // namespace qinghe
