#include "birthchart/show_birth_chart.h"

#include "birthchart/zodiac_advice.h"
#include "text/gbk_literal.h"

namespace qinghe {

std::optional<BirthChart> ShowBirthChart(BirthChartPage& page, Messenger& messenger) {
    const BirthDateTexts texts = page.SelectedDate();
    const BirthMomentReading reading = ReadBirthMoment(texts);
    if (!reading.moment) {
        messenger.ShowMessage(reading.refusal, "提示"_gbk, MessageIcon::kInformation);
        return std::nullopt;
    }
    BirthChart chart = ComputeBirthChart(texts, *reading.moment);
    page.SetReportText({});
    page.SetElementLabel(chart.element_text);
    page.SetMissingLabel(chart.missing);
    page.SetReportText(page.ReportText() + chart.report);
    ShowZodiacAdvice(page, chart.pillars.year);
    return chart;
}

void ShowZodiacAdvice(BirthChartPage& page, const std::string& year_pillar) {
    const std::string& advice = ZodiacAdviceText(ZodiacBranchNumber(year_pillar));
    if (!advice.empty()) page.SetReportText(page.ReportText() + advice);
}

}  // namespace qinghe
