#include "birthchart/calendar_cache.h"

#include <mutex>
#include <unordered_map>

namespace qinghe {
namespace {

// Entries are never removed, so references handed out stay valid while
// other threads add years; the lock only guards the maps themselves.
class CalendarCache {
  public:
    const SolarTermMoments& Terms(int year) {
        std::lock_guard lock(mutex_);
        return TermsLocked(year);
    }

    const SolsticeYear& Solstice(int year) {
        std::lock_guard lock(mutex_);
        auto it = solstice_years_.find(year);
        if (it == solstice_years_.end())
            it = solstice_years_
                     .emplace(year, NumberLunarMonths(TermsLocked(year - 1), TermsLocked(year)))
                     .first;
        return it->second;
    }

  private:
    const SolarTermMoments& TermsLocked(int year) {
        auto it = terms_.find(year);
        if (it == terms_.end()) {
            SolarTermMoments moments;
            for (int index = 0; index < kSolarTermCount; ++index)
                moments[index] = ComputeSolarTermMoment(year, index);
            it = terms_.emplace(year, moments).first;
        }
        return it->second;
    }

    std::mutex mutex_;
    std::unordered_map<int, SolarTermMoments> terms_;
    std::unordered_map<int, SolsticeYear> solstice_years_;
};

CalendarCache& Cache() {
    static CalendarCache cache;
    return cache;
}

}  // namespace

const SolarTermMoments& SolarTermsOf(int year) {
    return Cache().Terms(year);
}

const SolsticeYear& SolsticeYearOf(int year) {
    return Cache().Solstice(year);
}

}  // namespace qinghe
