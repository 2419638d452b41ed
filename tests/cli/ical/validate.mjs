// Runs kestrelon-cli ical and reads what it writes with ical.js, an iCalendar parser written independently of it.
// Usage: node validate.mjs ICAL_JS_MODULE KESTRELON_CLI WORK_DIR
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';

const [icalModule, cli] = process.argv.slice(2);
const ICAL = (await import(pathToFileURL(icalModule).href)).default;

const kStamp = 1700000000; // 2023-11-14 22:13:20 UTC
let failures = 0;
let passes = 0;
function check(ok, what) {
    if (ok) {
        passes++;
    } else {
        failures++;
        console.log(`FAIL: ${what}`);
    }
}

function run(args, env = {}) {
    return execFileSync(cli, args, {
        env: { ...process.env, SOURCE_DATE_EPOCH: String(kStamp), ...env },
        maxBuffer: 1 << 30,
    });
}

// The file as octets: CRLF after every line, no physical line over 75 octets, each line UTF-8 on its own (a fold
// inside a multi-byte sequence breaks that). Then parsed; returns the calendar component.
function parseCalendar(bytes, label) {
    const text = bytes.toString('latin1');
    check(text.endsWith('\r\n'), `${label}: ends with CRLF`);
    const lines = text.split('\r\n');
    lines.pop();
    const decoder = new TextDecoder('utf-8', { fatal: true });
    let bad = 0;
    for (const line of lines) {
        const octets = Buffer.from(line, 'latin1');
        let valid = true;
        try {
            decoder.decode(octets);
        } catch {
            valid = false;
        }
        if (octets.length > 75 || line.includes('\n') || line.includes('\r') || !valid) {
            if (bad++ < 3) {
                console.log(`  ${label}: bad physical line ${JSON.stringify(line)}`);
            }
        }
    }
    check(bad === 0, `${label}: ${bad} physical lines too long, with a bare line end or broken UTF-8`);
    const calendar = new ICAL.Component(ICAL.parse(bytes.toString('utf8')));
    check(calendar.name === 'vcalendar', `${label}: a VCALENDAR`);
    check(calendar.getFirstPropertyValue('version') === '2.0', `${label}: VERSION 2.0`);
    check(!!calendar.getFirstPropertyValue('prodid'), `${label}: PRODID`);
    check(calendar.getFirstPropertyValue('calscale') === 'GREGORIAN', `${label}: CALSCALE`);
    for (const zone of calendar.getAllSubcomponents('vtimezone')) {
        ICAL.TimezoneService.register(zone);
    }
    const events = calendar.getAllSubcomponents('vevent');
    const uids = new Set(events.map((e) => e.getFirstPropertyValue('uid')));
    check(uids.size === events.length && !uids.has(null), `${label}: ${events.length} events with unique UIDs`);
    const stamp = ICAL.Time.fromJSDate(new Date(kStamp * 1000), true).toICALString();
    check(events.every((e) => e.getFirstPropertyValue('dtstamp').toICALString() === stamp),
        `${label}: every DTSTAMP is SOURCE_DATE_EPOCH`);
    return calendar;
}

function holidayEvents(calendar) {
    return calendar.getAllSubcomponents('vevent').filter((e) => e.getFirstPropertyValue('categories') === 'Holiday');
}

// Every row of the holiday table is one all-day event on its date, for the whole range of both observances, but
// Simchat Torah (code 46) under Israel: the day's text names it in Shmini Atzeret's "Shmini Atzeret / Simchat
// Torah" (code 45), and so does the file.
const zeroPad = (n, width) => String(n).padStart(width, '0');
for (const observance of ['diaspora', 'israel']) {
    const span = ['--from', '1900', '--to', '2099'];
    const rows = run(['holidays', '--observance', observance, ...span]).toString().trim().split('\n')
        .map((line) => line.split(',').map(Number))
        .filter(([, , , code]) => observance === 'diaspora' || code !== 46);
    const calendar = parseCalendar(run(['ical', '--observance', observance, ...span]), observance);
    const name = calendar.getFirstPropertyValue('x-wr-calname') ?? '';
    check(name.toLowerCase().includes(observance), `${observance}: X-WR-CALNAME '${name}' names the observance`);
    const events = holidayEvents(calendar);
    check(events.length === rows.length, `${observance}: ${events.length} events, ${rows.length} table rows`);
    const expected = rows.map(([d, m, y, code]) => `${y}${zeroPad(m, 2)}${zeroPad(d, 2)}-${code}`).sort();
    let wrongEnd = 0;
    let wrongText = 0;
    let wrongUid = 0;
    const actual = events.map((event) => {
        const start = event.getFirstPropertyValue('dtstart');
        const end = event.getFirstPropertyValue('dtend');
        const next = start.clone();
        next.adjust(1, 0, 0, 0);
        if (!start.isDate || !end.isDate || end.compare(next) !== 0) {
            wrongEnd++;
        }
        const summary = event.getFirstPropertyValue('summary') ?? '';
        const description = event.getFirstPropertyValue('description') ?? '';
        if (summary === '' || /[@#]|^\s|\s$/.test(summary) || /[@#]/.test(description)) {
            wrongText++;
        }
        // The UID names the date, the code and the observance.
        const uid = event.getFirstPropertyValue('uid');
        const code = uid.split('-')[1];
        if (uid !== `${start.toString().replaceAll('-', '')}-${code}-${observance}@kestrelon`) {
            wrongUid++;
        }
        return `${start.toString().replaceAll('-', '')}-${code}`;
    }).sort();
    check(JSON.stringify(actual) === JSON.stringify(expected), `${observance}: events match the rows' dates and codes`);
    check(wrongEnd === 0, `${observance}: ${wrongEnd} events are not one whole day`);
    check(wrongUid === 0, `${observance}: ${wrongUid} UIDs are not date-code-observance`);
    check(wrongText === 0, `${observance}: ${wrongText} events with an empty or marked name or description`);

    // Yom Kippur 2024: two paragraphs after the header, each kept apart by an empty line.
    const yomKippur = events.find((e) => e.getFirstPropertyValue('uid') === `20241012-36-${observance}@kestrelon`);
    const text = yomKippur?.getFirstPropertyValue('description') ?? '';
    check(/^Yom Kippur -- 10 Tishrei\n\nYom Kippur, the Day of Atonement, .*\n\nIt is custom to fast/.test(text),
        `${observance}: Yom Kippur's description keeps its paragraphs: ${JSON.stringify(text.slice(0, 80))}`);
}

// Every run with the same SOURCE_DATE_EPOCH writes the same file.
const israel2024 = ['ical', '--observance', 'israel', '--from', '2024', '--to', '2024'];
check(run(israel2024).equals(run(israel2024)), 'two runs give the same bytes');
// The holidays of a day are those its text shows (kestrelon-cli day), once each and by the same names: every
// day with a holiday in 2024, under both observances.
for (const observance of ['diaspora', 'israel']) {
    const year = ['--observance', observance, '--from', '2024', '--to', '2024'];
    const byDate = new Map();
    for (const event of holidayEvents(parseCalendar(run(['ical', ...year]), `${observance} 2024`))) {
        const date = event.getFirstPropertyValue('dtstart').toString();
        byDate.set(date, [...(byDate.get(date) ?? []), event.getFirstPropertyValue('summary')]);
    }
    let differ = 0;
    for (const [date, summaries] of byDate) {
        const text = run(['day', date, '--observance', observance]).toString().split('\n');
        const names = text.slice(1, text.indexOf('', 1)).map((name) => name.trim());
        if (JSON.stringify(summaries.sort()) !== JSON.stringify(names.sort())) {
            if (differ++ < 3) {
                console.log(`  ${observance} ${date}: events ${JSON.stringify(summaries)}, the day's text ${JSON.stringify(names)}`);
            }
        }
    }
    check(byDate.size > 50 && differ === 0, `${observance}: ${differ} of ${byDate.size} days of 2024 differ from their text`);
}

// The sunrise of each date as the UTC instant kestrelon-cli zmanim --ut gives, truncated to the minute.
function utSunrise(date, place, env) {
    const minutes = Number(run(['zmanim', '--date', date, ...place, '--ut'], env).toString().split(' ')[0]);
    return Date.parse(`${date}T00:00:00Z`) / 1000 + Math.floor(minutes) * 60;
}

// The sunrise events of a zmanim calendar, converted through the calendar's own VTIMEZONE by ical.js.
function checkSunrises(label, args, key, dates, env = {}, expectUtc = false) {
    const calendar = parseCalendar(run(['ical', '--observance', 'diaspora', ...args, '--zmanim'], env), label);
    const byUid = new Map(calendar.getAllSubcomponents('vevent').map((e) => [e.getFirstPropertyValue('uid'), e]));
    const place = args.slice(args.indexOf('--to') + 2);
    for (const date of dates) {
        const event = byUid.get(`${date.replaceAll('-', '')}-sunrise-${key}@kestrelon`);
        check(!!event, `${label}: a sunrise event on ${date}`);
        if (!event) {
            continue;
        }
        const start = event.getFirstPropertyValue('dtstart');
        const zone = start.zone?.tzid ?? 'floating';
        check(expectUtc ? zone === 'UTC' : zone !== 'UTC' && zone !== 'floating',
            `${label}: ${date} sunrise written in ${zone}`);
        const ours = utSunrise(date, place, env);
        check(start.toUnixTime() === ours,
            `${label}: ${date} sunrise ${start.toString()} ${zone} is ${new Date(start.toUnixTime() * 1000).toISOString()},` +
            ` zmanim --ut gives ${new Date(ours * 1000).toISOString()}`);
    }
    return calendar;
}

// A ZIP place that keeps daylight time, around the changes of both rules: 2 April and 5 November 2005 are standard
// time under the rule to 2006 and would be daylight time under the later one; 15 March 2024 the other way round.
checkSunrises('New York ZIP', ['--from', '2005', '--to', '2024', '--zip', '10001'], 'zip10001',
    ['2005-01-15', '2005-04-02', '2005-04-04', '2005-10-29', '2005-11-05', '2024-03-09', '2024-03-15',
        '2024-07-01', '2024-11-02', '2024-12-21']);
// A ZIP place without daylight time.
checkSunrises('Phoenix ZIP', ['--from', '2024', '--to', '2024', '--zip', '85001'], 'zip85001',
    ['2024-01-15', '2024-07-01']);
// A preset city in the computer's zone, named by TZ: New York's daylight time of 1950 comes from the system's
// zone database.
checkSunrises('New York City in TZ', ['--from', '1950', '--to', '1950', '--city', 'New York City, NY'], 'city100022',
    ['1950-01-15', '1950-07-01'], { TZ: 'America/New_York' });
// A position in a zone with daylight time in the southern summer, and a name that is not ASCII.
const saoPaulo = checkSunrises('Sao Paulo in TZ', ['--from', '2015', '--to', '2015', '--city', 'S\u00e3o Paulo, Brazil'],
    'city100034', ['2015-01-10', '2015-07-01'], { TZ: 'America/Sao_Paulo' });
check(saoPaulo.getAllSubcomponents('vevent').some((e) => e.getFirstPropertyValue('location') === 'S\u00e3o Paulo, Brazil'),
    'the place name of Sao Paulo reaches LOCATION as UTF-8 with its comma');
// A zone without a name the program knows: times in UTC.
checkSunrises('position, unnamed zone', ['--from', '2024', '--to', '2024', '--lat', '31:46N', '--lon', '035:13E'],
    'pos3146N03513E', ['2024-01-15', '2024-07-01'], { TZ: 'XYZ-2' }, true);

// Polar day and night: no sunrise at all.
const polar = parseCalendar(run(['ical', '--observance', 'israel', '--from', '2024', '--to', '2024', '--zmanim',
    '--lat', '78:13N', '--lon', '015:38E'], { TZ: 'UTC' }), 'Longyearbyen');
const polarUids = new Set(polar.getAllSubcomponents('vevent').map((e) => e.getFirstPropertyValue('uid')));
for (const [date, present] of [['20240621', false], ['20241221', false], ['20240321', true]]) {
    check(polarUids.has(`${date}-sunrise-pos7813N01538E@kestrelon`) === present,
        `Longyearbyen: a sunrise on ${date} is ${present ? 'there' : 'absent'}`);
}

// The week's events at New York (the README's file): each of `shabbat --csv --ut`'s times is an event at that UTC
// minute through the file's VTIMEZONE, each candle lighting with a display alarm 30 minutes before it; the Omer's
// 49 evenings, the portions `parsha` lists but on festival Shabbatot, and a daf for every day.
{
    const place = ['--zip', '10001'];
    const span = ['--observance', 'diaspora', '--from', '2025', '--to', '2025'];
    const calendar = parseCalendar(run(['ical', ...span, '--shabbat', '--remind', '30', '--omer', '--parsha', '--daf',
        ...place]), 'week');
    const byCategory = new Map();
    for (const event of calendar.getAllSubcomponents('vevent')) {
        const category = event.getFirstPropertyValue('categories');
        byCategory.set(category, [...(byCategory.get(category) ?? []), event]);
    }
    const times = run(['shabbat', ...span, ...place, '--csv', '--ut']).toString().trim().split('\n')
        .map((line) => line.split(',')).filter(([, , minutes]) => minutes !== 'none');
    const byUid = new Map([...byCategory.get('Shabbat and festivals') ?? [], ...byCategory.get('Fasts') ?? []]
        .map((e) => [e.getFirstPropertyValue('uid'), e]));
    check(byUid.size === times.length, `week: ${byUid.size} Shabbat events, ${times.length} times`);
    let wrong = 0;
    let alarms = 0;
    for (const [date, kind, minutes] of times) {
        const event = byUid.get(`${date.replaceAll('-', '')}-${kind}-zip10001-diaspora@kestrelon`);
        const at = Date.parse(`${date}T00:00:00Z`) / 1000 + Math.floor(Number(minutes)) * 60;
        const valarms = event?.getAllSubcomponents('valarm') ?? [];
        alarms += valarms.length;
        const alarmRight = kind !== 'candles' ? valarms.length === 0 : valarms.length === 1 &&
            valarms[0].getFirstPropertyValue('action') === 'DISPLAY' &&
            valarms[0].getFirstPropertyValue('trigger').toSeconds() === -30 * 60 &&
            !!valarms[0].getFirstPropertyValue('description');
        if (!event || event.getFirstPropertyValue('dtstart').toUnixTime() !== at || !alarmRight) {
            if (wrong++ < 3) {
                console.log(`  week: ${date} ${kind} at ${event?.getFirstPropertyValue('dtstart')}, alarms ${valarms.length}`);
            }
        }
    }
    check(wrong === 0 && alarms > 50, `week: ${wrong} of ${times.length} times differ; ${alarms} alarms`);
    const portions = run(['parsha', '--observance', 'diaspora', '--from', '2025', '--to', '2025']).toString().trim()
        .split('\n').filter((line) => line.split(',')[1] !== '');
    const counts = ['Omer', 'Torah portion', 'Daf yomi'].map((c) => (byCategory.get(c) ?? []).length);
    check(JSON.stringify(counts) === JSON.stringify([49, portions.length, 365]),
        `week: ${counts} Omer, portion and daf events, not 49, ${portions.length}, 365`);
    console.log(`week: compared ${times.length} times and ${counts} Omer, portion and daf events`);
}

console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
