#include "birthchart/new_moon.h"

#include <cmath>
#include <numbers>

#include "birthchart/lunar_longitude.h"
#include "birthchart/solar_longitude.h"

namespace qinghe {
namespace {

constexpr double kMeanNewMoon2000 = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

struct Arguments {
    double e;   // eccentricity factor of the Earth's orbit
    double m;   // Sun's mean anomaly
    double mp;  // Moon's mean anomaly
    double f;   // Moon's argument of latitude
    double om;  // longitude of the Moon's ascending node
};

Arguments ArgumentsAt(double k, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return {
        1 - 0.002516 * t - 0.0000074 * t2,
        Radians(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3),
        Radians(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4),
        Radians(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4),
        Radians(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3),
    };
}

// The periodic terms of the new moon, in days.
double PeriodicCorrection(const Arguments& a) {
    using std::sin;
    const double e = a.e;
    return -0.40720 * sin(a.mp) + 0.17241 * e * sin(a.m) + 0.01608 * sin(2 * a.mp) +
           0.01039 * sin(2 * a.f) + 0.00739 * e * sin(a.mp - a.m) - 0.00514 * e * sin(a.mp + a.m) +
           0.00208 * e * e * sin(2 * a.m) - 0.00111 * sin(a.mp - 2 * a.f) -
           0.00057 * sin(a.mp + 2 * a.f) + 0.00056 * e * sin(2 * a.mp + a.m) -
           0.00042 * sin(3 * a.mp) + 0.00042 * e * sin(a.m + 2 * a.f) +
           0.00038 * e * sin(a.m - 2 * a.f) - 0.00024 * e * sin(2 * a.mp - a.m) -
           0.00017 * sin(a.om) - 0.00007 * sin(a.mp + 2 * a.m) + 0.00004 * sin(2 * a.mp - 2 * a.f) +
           0.00004 * sin(3 * a.m) + 0.00003 * sin(a.mp + a.m - 2 * a.f) +
           0.00003 * sin(2 * a.mp + 2 * a.f) - 0.00003 * sin(a.mp + a.m + 2 * a.f) +
           0.00003 * sin(a.mp - a.m + 2 * a.f) - 0.00002 * sin(a.mp - a.m - 2 * a.f) -
           0.00002 * sin(3 * a.mp + a.m) + 0.00002 * sin(4 * a.mp);
}

// The planetary perturbations, in days.
double PlanetaryCorrection(double k, double t) {
    struct Term {
        double base, per_lunation, coefficient;
    };
    static constexpr Term kTerms[] = {
        {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164}, {349.42, 36.412478, 0.000126},
        {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062}, {207.14, 2.453732, 0.000060},
        {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},  {207.19, 0.121824, 0.000042},
        {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037}, {239.56, 25.513099, 0.000035},
        {331.55, 3.592518, 0.000023},
    };
    double sum = 0.000325 * std::sin(Radians(299.77 + 0.107408 * k - 0.009173 * t * t));
    for (const Term& term : kTerms)
        sum += term.coefficient * std::sin(Radians(term.base + term.per_lunation * k));
    return sum;
}

}  // namespace

double EstimatedNewMoonJde(int lunation) {
    const double k = lunation;
    const double t = k / 1236.85;  // Julian centuries from J2000.0
    const double t2 = t * t;
    const double mean = kMeanNewMoon2000 + kSynodicMonth * k + 0.00015437 * t2 -
                        0.000000150 * t2 * t + 0.00000000073 * t2 * t2;
    return mean + PeriodicCorrection(ArgumentsAt(k, t)) + PlanetaryCorrection(k, t);
}

double NewMoonJde(int lunation) {
    // Each step divides the error by about seven (the Moon's gain on the Sun
    // varies that much around its mean), so three or four steps take half a
    // minute down to milliseconds.
    double jde = EstimatedNewMoonJde(lunation);
    for (int step = 0; step < 8; ++step) {
        double gap = ApparentLunarLongitude(jde) - ApparentSolarLongitude(jde);
        gap -= 360 * std::round(gap / 360);
        const double correction = -gap / kLunarGainDegreesPerDay;
        jde += correction;
        if (std::fabs(correction) < 1e-7) break;  // under 0.01 s
    }
    return jde;
}

int NearestLunation(double jde) {
    return static_cast<int>(std::lround((jde - kMeanNewMoon2000) / kSynodicMonth));
}

}  // namespace qinghe
