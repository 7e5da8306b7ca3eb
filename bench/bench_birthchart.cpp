// The birth chart: what one press of 查询 costs once the year's astronomy is
// cached, and what the astronomy of a year costs the first time.
#include <benchmark/benchmark.h>

#include "birthchart/birth_chart.h"
#include "birthchart/lunar_months.h"
#include "birthchart/new_moon.h"
#include "birthchart/show_birth_chart.h"
#include "birthchart/solar_terms.h"

namespace {

using qinghe::BirthDateTexts;

class SilentMessenger : public qinghe::Messenger {
  public:
    void ShowMessage(const std::string&, const std::string&, qinghe::MessageIcon) override {}
};

class StringPage : public qinghe::BirthChartPage {
  public:
    BirthDateTexts SelectedDate() const override { return {"2013", "1", "1", "23"}; }
    std::string ReportText() const override { return report_; }
    void SetReportText(const std::string& text) override { report_ = text; }
    void SetElementLabel(const std::string&) override {}
    void SetMissingLabel(const std::string&) override {}

  private:
    std::string report_;
};

// Pillars, lunar date and the five-paragraph report of one date and hour.
void BM_ComputeBirthChart(benchmark::State& state) {
    const BirthDateTexts texts{"2013", "1", "1", "23"};
    const qinghe::CivilDateTime moment{2013, 1, 1, 23, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::ComputeBirthChart(texts, moment));
}
BENCHMARK(BM_ComputeBirthChart)->Unit(benchmark::kMicrosecond);

// The whole 查询: reading the boxes, the chart, the report and the advice.
void BM_ShowBirthChart(benchmark::State& state) {
    StringPage page;
    SilentMessenger messenger;
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::ShowBirthChart(page, messenger));
}
BENCHMARK(BM_ShowBirthChart)->Unit(benchmark::kMicrosecond);

// Uncached: the 24 solar terms of a year, the new moons and the month
// numbering between two solstices; the first chart of a year pays this for
// up to three years.
void BM_AstronomyOfOneYear(benchmark::State& state) {
    for (auto _ : state) {
        qinghe::SolarTermMoments previous;
        qinghe::SolarTermMoments current;
        for (int index = 0; index < qinghe::kSolarTermCount; ++index) {
            previous[index] = qinghe::ComputeSolarTermMoment(2012, index);
            current[index] = qinghe::ComputeSolarTermMoment(2013, index);
        }
        benchmark::DoNotOptimize(qinghe::NumberLunarMonths(previous, current));
    }
}
BENCHMARK(BM_AstronomyOfOneYear)->Unit(benchmark::kMillisecond);

void BM_NewMoon(benchmark::State& state) {
    int k = 160;
    for (auto _ : state)
        benchmark::DoNotOptimize(qinghe::NewMoonJde(k++ % 400));
}
BENCHMARK(BM_NewMoon)->Unit(benchmark::kMicrosecond);

}  // namespace
