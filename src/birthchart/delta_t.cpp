#include "birthchart/delta_t.h"

#include <initializer_list>
#include <iterator>

namespace qinghe {
namespace {

double Horner(double t, std::initializer_list<double> coefficients) {
    double sum = 0;
    for (auto it = std::rbegin(coefficients); it != std::rend(coefficients); ++it)
        sum = sum * t + *it;
    return sum;
}

double LongTermParabola(double y) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (y < 1800) return LongTermParabola(y);
    if (y < 1860)
        return Horner(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                                 -0.0000001699, 0.000000000875});
    if (y < 1900)
        return Horner(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    if (y < 1920) return Horner(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941) return Horner(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961) return Horner(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986) return Horner(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return Horner(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050) return Horner(y - 2000, {62.92, 0.32217, 0.005589});
    if (y < 2150) return LongTermParabola(y) - 0.5628 * (2150 - y);
    return LongTermParabola(y);
}

}  // namespace qinghe
