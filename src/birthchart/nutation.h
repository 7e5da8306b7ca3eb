// Nutation in longitude: the wobble of the equinox, mostly with the Moon's
// node (18.6 years, ±17″). Calendar moments use the true equinox of date.
#pragma once

namespace qinghe {

// Δψ in arc seconds at T Julian centuries of TT from J2000.0: the leading
// terms of the IAU 1980 series, good to about 0.03″.
double NutationInLongitude(double centuries);

}  // namespace qinghe
