#include "calendar/LunarTheory.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

// One periodic term of the longitude: multiples of the arguments D (mean
// elongation), M (Sun's mean anomaly), M' (Moon's mean anomaly), F (argument
// of latitude), and the coefficient of the sine in 1e-6 degree.
struct LongitudeTerm {
    signed char d, m, mPrime, f;
    int coefficientMicroDeg;
};

// Periodic terms for the longitude of the Moon, truncated ELP-2000/82, from
// J. Meeus, "Astronomical Algorithms" (2nd ed., 1998), chapter 47, table 47.A,
// columns D, M, M', F, Σl in the book's order. (The last row has Σl = 0: it only
// carries a distance term, kept so the table matches the book row by row.)
constexpr std::array<LongitudeTerm, 60> LongitudeTerms{{
    {0, 0, 1, 0, 6288774},  {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},   {0, 0, 2, 0, 213618},
    {0, 1, 0, 0, -185116},  {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},   {2, -1, -1, 0, 57066},
    {2, 0, 1, 0, 53322},    {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923},  {1, 0, 0, 0, -34720},
    {0, 1, 1, 0, -30383},   {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},   {0, 0, 1, -2, 10980},
    {4, 0, -1, 0, 10675},   {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},    {2, 1, -1, 0, -7888},
    {2, 1, 0, 0, -6766},    {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},     {2, -1, 1, 0, 4036},
    {2, 0, 2, 0, 3994},     {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},    {0, 1, -2, 0, -2689},
    {2, 0, -1, 2, -2602},   {2, -1, -2, 0, 2390},   {1, 0, 1, 0, -2348},    {2, -2, 0, 0, 2236},
    {0, 1, 2, 0, -2120},    {0, 2, 0, 0, -2069},    {2, -2, -1, 0, 2048},   {2, 0, 1, -2, -1773},
    {2, 0, 0, 2, -1595},    {4, -1, -1, 0, 1215},   {0, 0, 2, 2, -1110},    {3, 0, -1, 0, -892},
    {2, 1, 1, 0, -810},     {4, -1, -2, 0, 759},    {0, 2, -1, 0, -713},    {2, 2, -1, 0, -700},
    {2, 1, -2, 0, 691},     {2, -1, 0, -2, 596},    {4, 0, 1, 0, 549},      {0, 0, 4, 0, 537},
    {4, -1, 0, 0, 520},     {1, 0, -2, 0, -487},    {2, 1, 0, -2, -399},    {0, 0, 2, -2, -381},
    {1, 1, 1, 0, 351},      {3, 0, -2, 0, -340},    {4, 0, -3, 0, 330},     {2, -1, 2, 0, 327},
    {0, 2, 1, 0, -323},     {1, 1, -1, 0, 299},     {2, 0, 3, 0, 294},      {2, 0, -1, -2, 0},
}};
static_assert(LongitudeTerms.size() == 60, "table 47.A has 60 rows");

constexpr double RadPerDeg = std::numbers::pi / 180.0;

double Radians(double degrees) { return std::fmod(degrees, 360.0) * RadPerDeg; }

} // namespace

double MoonLongitudeUnreducedDeg(double julianDay)
{
    const double t = CenturiesSinceJ2000(julianDay);
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    // Mean elements (Meeus 47.1 - 47.5), degrees.
    const double meanLongitudeDeg = 218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841.0 - t4 / 65194000.0;
    const double elongationDeg = 297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868.0 - t4 / 113065000.0;
    const double sunAnomalyDeg = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0;
    const double moonAnomalyDeg = 134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699.0 - t4 / 14712000.0;
    const double latitudeArgDeg = 93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000.0 + t4 / 863310000.0;
    const double a1Deg = 119.75 + 131.849 * t;
    const double a2Deg = 53.09 + 479264.290 * t;
    // Eccentricity of the Earth's orbit: scales the terms in M once per |M|.
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;

    // Each term is the sine of an integer combination of four angles: built
    // from the angles' own cosines and sines by angle addition (products of
    // unit complex numbers), four sincos calls instead of sixty sines.
    // (Multiplied out by hand: the library's complex product also guards against infinities, at a cost.)
    using Unit = std::complex<double>;
    auto times = [](Unit a, Unit b) {
        return Unit(a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real());
    };
    auto powers = [times](double angleRad) {
        std::array<Unit, 9> p; // multiples -4..4 of the angle, at [k + 4]
        p[4] = 1.0;
        p[5] = std::polar(1.0, angleRad);
        for (int k = 2; k <= 4; ++k)
            p[size_t(4 + k)] = times(p[size_t(3 + k)], p[5]);
        for (int k = 1; k <= 4; ++k)
            p[size_t(4 - k)] = std::conj(p[size_t(4 + k)]);
        return p;
    };
    const std::array<Unit, 9> d = powers(Radians(elongationDeg)), m = powers(Radians(sunAnomalyDeg)),
                              mp = powers(Radians(moonAnomalyDeg)), f = powers(Radians(latitudeArgDeg));
    double sumMicroDeg = 0;
    for (const LongitudeTerm& term : LongitudeTerms) {
        const Unit angle = times(times(d[size_t(term.d + 4)], m[size_t(term.m + 4)]),
                                 times(mp[size_t(term.mPrime + 4)], f[size_t(term.f + 4)]));
        double value = term.coefficientMicroDeg * angle.imag();
        if (term.m == 1 || term.m == -1)
            value *= e;
        else if (term.m == 2 || term.m == -2)
            value *= e * e;
        sumMicroDeg += value;
    }
    // Additive terms: Venus (A1), Jupiter (A2) and the flattening of the Earth (L' - F).
    sumMicroDeg += 3958.0 * std::sin(Radians(a1Deg)) + 1962.0 * std::sin(Radians(meanLongitudeDeg - latitudeArgDeg))
        + 318.0 * std::sin(Radians(a2Deg));
    return meanLongitudeDeg + sumMicroDeg / 1.0e6;
}

double MoonLongitudeDeg(double julianDay)
{
    const double lambda = std::fmod(MoonLongitudeUnreducedDeg(julianDay), 360.0);
    return lambda < 0 ? lambda + 360.0 : lambda;
}
