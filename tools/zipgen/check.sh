#!/usr/bin/env bash
# Regenerates the ZIP code table in WORK_DIR and fails when it differs from location/zip_table_data.cpp by a
# single byte. The packages are installed in WORK_DIR with `npm ci --ignore-scripts` on the first run (this needs
# the npm registry) and reused afterwards; the source tree is not written to.
#
# Usage: tools/zipgen/check.sh WORK_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
committed="$here/../../location/zip_table_data.cpp"
work="${1:?usage: check.sh WORK_DIR}"

mkdir -p "$work"
"$here/generate.sh" "$work/zip_table_data.cpp" "$work" 2>"$work/summary.txt"
if ! cmp -s "$committed" "$work/zip_table_data.cpp"; then
    echo "location/zip_table_data.cpp differs from a fresh run of tools/zipgen/generate.sh:"
    diff "$committed" "$work/zip_table_data.cpp" | head -40 || true
    exit 1
fi
echo "location/zip_table_data.cpp matches a fresh run of tools/zipgen/generate.sh"
