#!/usr/bin/env bash
# Writes the ZIP code table, and the list of the codes whose sources give different zones, from the pinned npm
# packages and the system's tzdata.
#
# Usage: tools/zipgen/generate.sh [OUTPUT [PACKAGE_DIR [DECISIONS]]]
#   OUTPUT       the C++ file to write (default: location/zip_table_data.cpp)
#   PACKAGE_DIR  where the packages are installed (default: tools/zipgen). When its node_modules is missing or older
#                than the lock file, package.json and package-lock.json are copied there and
#                `npm ci --ignore-scripts` installs exactly the locked versions (this needs the npm registry; once
#                installed, the run reads only local files).
#   DECISIONS    the list of codes whose sources disagree, with the zone chosen and why (default:
#                tools/zipgen/zone-disagreements.tsv)
# Needs node, npm, python3 and the Debian package tzdata (see tools/deps.sh). The summary of the run (row count,
# offsets, zone decisions, shortened names) goes to standard error.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
output="${1:-$root/location/zip_table_data.cpp}"
packages="${2:-$here}"
decisions="${3:-$here/zone-disagreements.tsv}"

mkdir -p "$packages"
packages="$(cd "$packages" && pwd)"
if [ "$packages" != "$here" ]; then
    cp "$here/package.json" "$here/package-lock.json" "$packages/"
fi
installed="$packages/node_modules/.package-lock.json"
if [ ! -f "$installed" ] || [ "$packages/package-lock.json" -nt "$installed" ]; then
    (cd "$packages" && npm ci --ignore-scripts --no-audit --no-fund >&2)
fi

json="$(mktemp)"
trap 'rm -f "$json"' EXIT
node "$here/read_inputs.js" "$packages" >"$json"
python3 "$here/make_zip_table.py" "$output" "$decisions" <"$json"
