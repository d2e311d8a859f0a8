#pragma once
// The Moon's geocentric ecliptic longitude from the main periodic terms of the
// ELP-2000/82 lunar theory: good to about ten arc-seconds over these years,
// which the Moon covers in about twenty seconds of time.

// Julian day of the day number's instant (day numbers count from 1899-12-30 0h).
constexpr double JulianDayOfDayNumber(double dayNumber) { return dayNumber + 2415018.5; }
constexpr double DayNumberOfJulianDay(double julianDay) { return julianDay - 2415018.5; }

// Julian centuries of 36525 days since J2000.0 (JD 2451545.0).
constexpr double CenturiesSinceJ2000(double julianDay) { return (julianDay - 2451545.0) / 36525.0; }

// Longitude in degrees, 0 <= result < 360, referred to the mean equinox of
// date, no nutation. The calendar passes a Universal Time instant directly as
// the time argument (no UT -> dynamical time correction): that is how the
// calendar's values are defined.
double MoonLongitudeDeg(double julianDay);

// The same, not reduced to 0..360 (continuous in time), for root finding.
double MoonLongitudeUnreducedDeg(double julianDay);
