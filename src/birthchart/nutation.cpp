#include "birthchart/nutation.h"

#include <cmath>
#include <numbers>

namespace qinghe {
namespace {

struct NutationTerm {
    signed char d, m, mp, f, om;  // multiples of the arguments D, M, M′, F, Ω
    double sine;                  // 0.0001″
    double sine_per_century;      // 0.0001″ per century
};

// Terms of at least 0.002″, largest first.
constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
};

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

}  // namespace

double NutationInLongitude(double t) {
    // Mean elongation of the Moon, anomalies of the Sun and the Moon, the
    // Moon's argument of latitude and the longitude of its ascending node.
    const double d = Radians(297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474)));
    const double m = Radians(357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000)));
    const double mp = Radians(134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250)));
    const double f = Radians(93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270)));
    const double om = Radians(125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000)));
    double sum = 0;
    for (const NutationTerm& term : kTerms) {
        const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f + term.om * om;
        sum += (term.sine + term.sine_per_century * t) * std::sin(argument);
    }
    return sum * 0.0001;
}

}  // namespace qinghe
