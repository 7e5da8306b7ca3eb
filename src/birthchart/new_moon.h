// New moons (朔): the moments the Moon's longitude equals the Sun's. The
// Beijing day of a new moon is the first day of a lunar month.
#pragma once

namespace qinghe {

// Lunation k counts new moons from the one of 6 January 2000 (k = 0).
// Returns the Julian ephemeris date (TT) of that new moon: the moment the
// apparent longitudes of the Moon and the Sun are equal, found by iterating
// from Meeus' estimate. About a second from modern ephemerides.
double NewMoonJde(int k);

// Meeus' estimate (Astronomical Algorithms, 2nd ed., ch. 49): mean lunation
// plus periodic and planetary corrections, within half a minute.
double EstimatedNewMoonJde(int k);

// The lunation whose mean new moon is nearest the given JDE.
int NearestLunation(double jde);

}  // namespace qinghe
