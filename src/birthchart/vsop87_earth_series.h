// The Earth's heliocentric longitude and distance from the planetary theory
// VSOP87, version D (ecliptic and mean equinox of date), Bretagnon and
// Francou 1988. Each series is a sum of A·cos(B + C·τ) over its terms, with τ
// in Julian millennia from J2000.0 of dynamical time; the series of power p is
// multiplied by τ^p.
//
// The terms kept are those whose largest contribution within a century of
// 2000 (A·0.1^p) reaches 3e-8 rad, about 0.006″: the dropped ones add up to
// less than 0.1″ in longitude over 1900–2100, about two seconds of the Sun's
// motion. The distance only feeds the aberration, where 1e-6 AU is plenty.
#pragma once

#include <array>
#include <span>

namespace qinghe {

struct SeriesTerm {
    double amplitude;  // A: radians for the longitude, AU for the distance
    double phase;      // B: radians
    double frequency;  // C: radians per Julian millennium
};

using PowerSeries = std::array<std::span<const SeriesTerm>, 3>;

// Longitude L in radians: the series for τ^0, τ^1, τ^2.
const PowerSeries& EarthLongitudeSeries();
// Distance R in AU: the series for τ^0 and τ^1 (the third is empty).
const PowerSeries& EarthRadiusSeries();

// Σ_p τ^p Σ A·cos(B + C·τ).
double EvaluateSeries(const PowerSeries& series, double tau);

}  // namespace qinghe
