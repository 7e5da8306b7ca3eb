#include "birthchart/lunar_months.h"

#include "birthchart/beijing_time.h"
#include "birthchart/new_moon.h"

namespace qinghe {
namespace {

int NewMoonDay(int lunation) {
    return BeijingDayOf(BeijingMomentFromJde(NewMoonJde(lunation)));
}

// The lunation that begins the month holding `day`.
int LunationHolding(int day) {
    int k = NearestLunation(JdeFromBeijingMoment(day));
    while (NewMoonDay(k) > day)
        --k;
    while (NewMoonDay(k + 1) <= day)
        ++k;
    return k;
}

// First days of the months from the one holding `first` to the one holding
// `last`, and the first day after that one.
std::vector<int> MonthStarts(int first, int last) {
    std::vector<int> starts;
    for (int k = LunationHolding(first);; ++k) {
        starts.push_back(NewMoonDay(k));
        if (starts.back() > last) return starts;
    }
}

// Index of the first month after month 11 (index 0, which holds the
// solstice) whose days hold no principal term; starts.size() when all do.
size_t FirstMonthWithoutPrincipalTerm(const std::vector<int>& starts,
                                      const std::vector<int>& principal_days) {
    for (size_t i = 1; i + 1 < starts.size(); ++i) {
        bool holds = false;
        for (int day : principal_days)
            holds = holds || (day >= starts[i] && day < starts[i + 1]);
        if (!holds) return i;
    }
    return starts.size();
}

}  // namespace

SolsticeYear NumberLunarMonths(const SolarTermMoments& previous_year,
                               const SolarTermMoments& year) {
    const int previous_solstice = BeijingDayOf(previous_year[kWinterSolstice]);
    const int solstice = BeijingDayOf(year[kWinterSolstice]);
    std::vector<int> starts = MonthStarts(previous_solstice, solstice);
    // starts[0] opens the previous month 11; the last start opens the month
    // after this year's month 11 and belongs to the next solstice year.
    starts.pop_back();
    const size_t month_count = starts.size() - 1;

    size_t leap_index = starts.size();
    if (month_count == 13) {
        std::vector<int> principal_days{previous_solstice};
        for (int index = 1; index < kSolarTermCount; index += 2)
            principal_days.push_back(BeijingDayOf(year[index]));
        leap_index = FirstMonthWithoutPrincipalTerm(starts, principal_days);
    }

    SolsticeYear result;
    int number = 10;
    for (size_t i = 0; i < month_count; ++i) {
        const bool leap = i == leap_index;
        if (!leap) number = number % 12 + 1;
        result.months.push_back({starts[i], number, leap});
    }
    result.end_day = starts[month_count];
    return result;
}

}  // namespace qinghe
