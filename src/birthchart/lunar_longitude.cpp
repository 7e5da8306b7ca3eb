#include "birthchart/lunar_longitude.h"

#include <cmath>
#include <numbers>

#include "birthchart/elp_moon_series.h"
#include "birthchart/nutation.h"

namespace qinghe {
namespace {

double Polynomial(const std::array<double, 5>& c, double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4])));
}

// General precession in longitude from J2000.0, arc seconds: the rate that
// goes with the DE405 fit of ELP/MPP02.
double Precession(double t) {
    return t * (5029.0966 - 0.29965 + t * (1.112 + t * (0.000077 - t * 0.00002353)));
}

}  // namespace

double ApparentLunarLongitude(double jde) {
    const double t = (jde - 2451545.0) / 36525;
    double arc_seconds = 0;
    double power = 1;
    for (const auto& terms : MoonLongitudeSeries()) {
        double part = 0;
        for (const MoonTerm& term : terms)
            part += term.amplitude * std::sin(Polynomial(term.phase, t));
        arc_seconds += part * power;
        power *= t;
    }
    // Light takes 1.3 s from the Moon, in which it moves 0.70″.
    arc_seconds += Precession(t) + NutationInLongitude(t) - 0.70;
    double degrees =
        Polynomial(MoonMeanLongitude(), t) * 180 / std::numbers::pi + arc_seconds / 3600;
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace qinghe
