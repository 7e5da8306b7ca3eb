// A birth-chart page over plain strings, for driving ShowBirthChart.
#pragma once

#include <string>

#include "birthchart/birth_chart_page.h"

namespace qinghe::test {

class FakeBirthChartPage : public BirthChartPage {
  public:
    BirthDateTexts date;
    std::string report;  // GBK
    std::string element_label;
    std::string missing_label;

    BirthDateTexts SelectedDate() const override { return date; }
    std::string ReportText() const override { return report; }
    void SetReportText(const std::string& text) override { report = text; }
    void SetElementLabel(const std::string& text) override { element_label = text; }
    void SetMissingLabel(const std::string& text) override { missing_label = text; }
};

}  // namespace qinghe::test
