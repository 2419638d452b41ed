// `kestrelon-cli zmanim --all --ut` against kosher-zmanim (a port of the KosherJava library) at eight places on
// every day of 2024: within a minute, and "none" where it has none. Its functions with our definitions: elevation
// on for sunrise and sunset (neither side's angles take it), alos 16.1 and misheyakir 11.5 degrees, Shema and
// prayer by the Gra and the MGA's 72 minutes, midday the astronomical getSunTransit() (not the midpoint of sunrise
// and sunset), mincha and plag, tzais 8.5 degrees and 72 minutes; midnight the midpoint of the day before's sunset
// and the sunrise, by getSunTransit(sunset, sunrise).
// Grazing days: each side decides whether the sun reaches an angle with the declination of its own first pass (ours
// at 0h UT, its at noon, less than a day apart, when the declination moves up to 0.4 degrees). Where the sun's
// highest or lowest altitude lies within kGrazing degrees of the angle one may have a time and the other not; such
// days are listed, not failed.
// Usage: node compare.mjs NODE_MODULES_DIR KESTRELON_CLI
import { execFile } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';
import { promisify } from 'node:util';

const [modules, cli] = process.argv.slice(2);
const require = createRequire(path.join(modules, 'reference.cjs'));
const { ComplexZmanimCalendar, GeoLocation, NOAACalculator } = require('kosher-zmanim');
const { DateTime } = require('luxon');

const kKeys = ['midnight', 'dawn', 'tallit', 'sunrise', 'shema-gra', 'shema-mga', 'prayer-gra', 'prayer-mga',
    'midday', 'mincha-gedola', 'mincha-ketana', 'plag', 'sunset', 'nightfall', 'nightfall-72'];
const kAngle = { dawn: 16.1, tallit: 11.5, midday: null, nightfall: 8.5 }; // the rest: the horizon
const kGrazing = 0.3;
const kPlaces = [ // whole minutes of arc as the program keeps them, north and east positive; metres
    ['New York', 40.75, -74, 0], ['Jerusalem', 31 + 46 / 60, 35 + 13 / 60, 800], ['Buenos Aires', -34.6, -(58 + 23 / 60), 0],
    ['Sydney', -(33 + 52 / 60), 151 + 13 / 60, 0], ['Singapore', 1 + 17 / 60, 103.85, 0], ['Ushuaia', -54.8, -68.3, 0],
    ['Reykjavik', 64.15, -21.95, 0], ['Tromso', 69.65, 18.95, 0],
];
const dates = Array.from({ length: 366 }, (_, i) => DateTime.utc(2024, 1, 1).plus({ days: i }));

const jobs = kPlaces.flatMap(([, lat, lon, metres]) => dates.map((d) => ['zmanim', '--all', '--ut', '--date',
    d.toISODate(), '--lat', lat.toFixed(4), '--lon', lon.toFixed(4), '--elevation', `${metres}`, '--units', 'meters']));
const outputs = [];
let next = 0;
const worker = async () => {
    for (let i; (i = next++) < jobs.length;) {
        outputs[i] = (await promisify(execFile)(cli, jobs[i])).stdout;
    }
};
await Promise.all([worker(), worker()]);

// The library's times of a date (luxon DateTimes or null), and how near the sun comes to each angle: the least
// distance of its altitude at the transit and at the lower transits before and after from the angle's.
function reference([name, lat, lon, metres], d) {
    const calendar = (date) => {
        const c = new ComplexZmanimCalendar(new GeoLocation(name, lat, lon, metres, 'UTC'));
        c.setUseElevation(true);
        c.setDate(date);
        return c;
    };
    const [before, c] = [calendar(d.minus({ days: 1 })), calendar(d)];
    const declination = (t) => NOAACalculator.getSunDeclination((t.toMillis() / 864e5 - 10957.5) / 36525);
    const altitudes = [90 - Math.abs(lat - declination(c.getSunTransit())),
        ...[before, c].map((x) => Math.abs(lat + declination(x.getSolarMidnight())) - 90)];
    const near = (angle) => Math.min(...altitudes.map((a) => Math.abs(a + angle)));
    const horizon = 50 / 60 + c.getAstronomicalCalculator().getElevationAdjustment(metres);
    const [sunsetBefore, sunrise] = [before.getElevationAdjustedSunset(), c.getElevationAdjustedSunrise()];
    const times = [sunsetBefore && sunrise && c.getSunTransit(sunsetBefore, sunrise), c.getAlos16Point1Degrees(),
        c.getMisheyakir11Point5Degrees(), sunrise, c.getSofZmanShmaGRA(), c.getSofZmanShmaMGA(),
        c.getSofZmanTfilaGRA(), c.getSofZmanTfilaMGA(), c.getSunTransit(), c.getMinchaGedola(), c.getMinchaKetana(),
        c.getPlagHamincha(), c.getElevationAdjustedSunset(), c.getTzaisGeonim8Point5Degrees(), c.getTzais72()];
    return { times, near: (key) => (kAngle[key] === null ? Infinity : near(kAngle[key] ?? horizon)) };
}

const stats = kKeys.map(() => ({ compared: 0, none: 0, grazing: 0, worst: 0, at: '' }));
const grazing = [];
let failures = 0;
let nearBefore;
jobs.forEach((args, job) => {
    const place = kPlaces[Math.floor(job / dates.length)];
    const d = dates[job % dates.length];
    const label = `${place[0]} ${d.toISODate()}`;
    const ours = outputs[job].split('\n').slice(0, -1).map((line) => line.split(' '));
    if (ours.length !== kKeys.length || ours.some(([key, value], k) => key !== kKeys[k] || !/^(-?\d+\.\d{4}|none)$/.test(value))) {
        throw new Error(`${label}: ${JSON.stringify(outputs[job])}`);
    }
    const { times, near } = reference(place, d);
    nearBefore = job % dates.length === 0 ? near : nearBefore;
    kKeys.forEach((key, k) => {
        const [value, theirs, s] = [ours[k][1], times[k], stats[k]];
        const difference = Math.abs(Number(value) - (theirs?.toMillis() - d.toMillis()) / 60000);
        const distance = key === 'midnight' ? Math.min(near(key), nearBefore(key)) : near(key);
        if ((value === 'none') !== !theirs && distance < kGrazing) {
            s.grazing++;
            grazing.push(`${label} ${key}: ${value}, ${theirs?.toISO() ?? 'none'} (${distance.toFixed(2)} degrees)`);
        } else if (value === 'none' && !theirs) {
            s.none++;
        } else if (difference <= 1) {
            s.compared++;
            [s.worst, s.at] = difference > s.worst ? [difference, label] : [s.worst, s.at];
        } else if (failures++ < 20) {
            console.log(`FAIL: ${label} ${key}: ${value} minutes here, ${theirs?.toISO() ?? 'none'} in kosher-zmanim`);
        }
    });
    nearBefore = near;
});

console.log(`kosher-zmanim 0.9.0, ${kPlaces.length} places, ${dates.length} days of 2024\n` +
    'key            compared  none both  grazing  largest difference (minutes)');
stats.forEach((s, k) => console.log(`${kKeys[k].padEnd(14)} ${`${s.compared}`.padStart(8)}  ` +
    `${`${s.none}`.padStart(9)}  ${`${s.grazing}`.padStart(7)}  ${s.worst.toFixed(3)}  ${s.at}`));
const sum = (field) => stats.reduce((total, s) => total + s[field], 0);
console.log(`all keys       ${`${sum('compared')}`.padStart(8)}  ${`${sum('none')}`.padStart(9)}  ` +
    `${`${sum('grazing')}`.padStart(7)}\nGrazing days (none on one side, the sun within ${kGrazing} degrees):`);
grazing.forEach((line) => console.log(`  ${line}`));
if (failures > 0) {
    console.log(`${failures} times differ by more than a minute or happen on one side only`);
    process.exit(1);
}
