// Writes the Moon's geocentric geometric ecliptic longitude, referred to the
// mean equinox of date (no nutation), at instants spread evenly over
// 1900-2100, from the astronomy-engine ephemeris. The lunar theory's accuracy
// test (tests/calendar) compares its own longitude with these values at the
// same time argument.
//
//   node moon-longitude.js OUT_FILE [COUNT]
//
// astronomy-engine gives the longitude on the true ecliptic and equinox of
// date (EclipticGeoMoon); the true equinox lies the nutation in longitude
// (e_tilt().dpsi) ahead of the mean one along the ecliptic, so subtracting it
// gives the mean equinox of date.
'use strict';
const fs = require('fs');
const Astronomy = require('astronomy-engine');
const path = require('path');
const { version } = JSON.parse(fs.readFileSync(path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json'), 'utf8'));

const J2000 = 2451545.0;
const FIRST_JD = 2415020.5; // 1900-01-01 0h
const END_JD = 2488434.5;   // 2101-01-01 0h

function meanLongitudeDeg(jdTT) {
    const time = Astronomy.AstroTime.FromTerrestrialTime(jdTT - J2000);
    const trueLongitude = Astronomy.EclipticGeoMoon(time).lon;
    const dpsiArcsec = Astronomy.e_tilt(time).dpsi;
    let lon = trueLongitude - dpsiArcsec / 3600;
    lon %= 360;
    return lon < 0 ? lon + 360 : lon;
}

function main() {
    const out = process.argv[2];
    const count = Number(process.argv[3] || 4000);
    if (!out || !(count > 0)) {
        console.error('usage: node moon-longitude.js OUT_FILE [COUNT]');
        process.exit(2);
    }
    // Evenly spaced, the step's fraction of a day moving the instants through every time of day.
    const step = (END_JD - FIRST_JD) / count;
    const lines = [
        `# Moon: geocentric geometric ecliptic longitude, mean equinox of date, no nutation; ` +
            `astronomy-engine ${version} (npm), EclipticGeoMoon minus the nutation in longitude of e_tilt; ` +
            `${count} instants evenly spaced over 1900-2100`,
        '# julian_day_tt longitude_deg',
    ];
    for (let i = 0; i < count; ++i) {
        const jd = FIRST_JD + (i + 0.5) * step;
        lines.push(`${jd.toFixed(6)} ${meanLongitudeDeg(jd).toFixed(7)}`);
    }
    fs.writeFileSync(out, lines.join('\n') + '\n');
    console.log(`wrote ${count} instants to ${out}`);
}

main();
