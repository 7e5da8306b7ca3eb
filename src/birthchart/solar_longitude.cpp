#include "birthchart/solar_longitude.h"

#include <cmath>
#include <numbers>

#include "birthchart/nutation.h"
#include "birthchart/vsop87_earth_series.h"

namespace qinghe {
namespace {

constexpr double kArcSecondsPerRadian = 180 * 3600 / std::numbers::pi;
constexpr double kJ2000 = 2451545.0;

}  // namespace

double ApparentSolarLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250;
    const double earth_longitude = EvaluateSeries(EarthLongitudeSeries(), tau);
    const double distance = EvaluateSeries(EarthRadiusSeries(), tau);
    // Seen from the Earth the Sun is opposite. The VSOP87 equinox differs
    // from the FK5 one by 0.09033″, and moves with the 1976 precession rate,
    // 0.3004″ a century faster than the IAU 2006 one that the Moon's series
    // and today's ephemerides use (left alone, that drifts the terms by 7 s a
    // century). Then the true equinox (nutation) and the displacement by
    // light time (aberration, 20.4898″ at 1 AU).
    const double centuries = tau * 10;
    const double arc_seconds =
        -0.09033 - 0.3004 * centuries + NutationInLongitude(centuries) - 20.4898 / distance;
    double degrees =
        (earth_longitude + arc_seconds / kArcSecondsPerRadian) * 180 / std::numbers::pi + 180;
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace qinghe
