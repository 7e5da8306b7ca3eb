// ΔT = TT − UT: how far the Earth's rotation clock lags behind the uniform
// clock of the ephemerides. The Sun and the Moon are computed on TT; the
// calendar is kept on civil time, so every moment passes through ΔT.
#pragma once

namespace qinghe {

// Seconds, for a decimal Gregorian year (2000.5 is mid-2000). The
// polynomials of Espenak and Meeus (2006), fitted to observed values up to
// 2005 and extrapolated after; long-term parabola outside 1800–2150.
double DeltaTSeconds(double decimal_year);

}  // namespace qinghe
