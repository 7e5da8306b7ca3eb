// Where the Moon stands on the ecliptic as seen from the Earth's centre; a
// new moon is the moment it catches up with the Sun.
#pragma once

namespace qinghe {

// Apparent geocentric longitude of the Moon in degrees, [0, 360), referred
// to the true equinox of date, at a Julian ephemeris date (TT).
double ApparentLunarLongitude(double jde);

// The Moon's mean daily gain on the Sun, degrees per day.
inline constexpr double kLunarGainDegreesPerDay = 360.0 / 29.530588861;

}  // namespace qinghe
