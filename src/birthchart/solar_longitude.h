// Where the Sun stands on the ecliptic as seen from the Earth: the solar
// terms are the moments this longitude passes multiples of 15°.
#pragma once

namespace qinghe {

// Apparent geocentric longitude of the Sun in degrees, [0, 360), referred to
// the true equinox of date, at a Julian ephemeris date (TT).
double ApparentSolarLongitude(double jde);

// The Sun's mean daily motion along the ecliptic, degrees per day.
inline constexpr double kSolarDegreesPerDay = 360.0 / 365.2422;

}  // namespace qinghe
