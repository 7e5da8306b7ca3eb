// The 查询 button of the birth-chart page, also run once at start-up.
#pragma once

#include <optional>
#include <string>

#include "app/messenger.h"
#include "birthchart/birth_chart.h"
#include "birthchart/birth_chart_page.h"

namespace qinghe {

// Charts the page's selected date and hour: the report box gets the five
// paragraphs followed by the zodiac advice, the labels the element text and
// the missing elements. A date that cannot be charted is refused with a
// message titled "提示" and leaves the page as it was. Returns the chart, or
// nothing when refused.
std::optional<BirthChart> ShowBirthChart(BirthChartPage& page, Messenger& messenger);

// Appends the advice for the animal of year_pillar (GBK, e.g. "甲午") to the
// report box; a text that is no stem-branch name appends nothing.
void ShowZodiacAdvice(BirthChartPage& page, const std::string& year_pillar);

}  // namespace qinghe
