// What the birth-chart page (生辰八字) of the main window offers the chart:
// the date to chart and the three controls the chart writes. The window
// implements it over its boxes and labels; tests and the command line over
// plain strings.
#pragma once

#include <string>

#include "birthchart/birth_moment.h"

namespace qinghe {

class BirthChartPage {
  public:
    virtual ~BirthChartPage() = default;

    // The Y, M, D, H texts of the boxes the date-source radio buttons
    // select (see SelectedBirthDate).
    virtual BirthDateTexts SelectedDate() const = 0;

    // The report box "编辑框_八字信息". GBK, "\r\n" line breaks.
    virtual std::string ReportText() const = 0;
    virtual void SetReportText(const std::string& text) = 0;
    // "八字五行标签": the eight elements.
    virtual void SetElementLabel(const std::string& text) = 0;
    // "缺五行标签": the missing elements, empty when none is missing.
    virtual void SetMissingLabel(const std::string& text) = 0;
};

// With "自定义日期" chosen the page's own boxes give the date; otherwise the
// naming date of the main inputs does (the minute box is not used).
inline const BirthDateTexts& SelectedBirthDate(bool custom_date_chosen,
                                               const BirthDateTexts& page_boxes,
                                               const BirthDateTexts& naming_date) {
    return custom_date_chosen ? page_boxes : naming_date;
}

}  // namespace qinghe
