// The Moon's geocentric longitude from the lunar solution ELP/MPP02 (Chapront
// and Francou 2003, constants fitted to DE405). Each term is
// A·sin(φ0 + φ1·T + φ2·T² + φ3·T³ + φ4·T⁴), A in arc seconds, T in Julian
// centuries from J2000.0 of dynamical time; the series of power p is
// multiplied by T^p, and the sum added to the mean longitude W1 gives the
// longitude on the mean ecliptic of date from the fixed departure point of
// J2000.0 (precession is added by the caller).
//
// Terms from 0.02″ up are kept: over 1900–2100 the dropped ones move the
// longitude by at most 0.6″, about a second of the Moon's motion relative to
// the Sun.
#pragma once

#include <array>
#include <span>

namespace qinghe {

struct MoonTerm {
    double amplitude;             // arc seconds
    std::array<double, 5> phase;  // radians, coefficients of T^0 … T^4
};

// Series for T^0 and T^1 (higher powers stay under 0.02″).
const std::array<std::span<const MoonTerm>, 2>& MoonLongitudeSeries();
// W1 in radians, coefficients of T^0 … T^4.
const std::array<double, 5>& MoonMeanLongitude();

}  // namespace qinghe
