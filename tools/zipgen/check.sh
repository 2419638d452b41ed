#!/usr/bin/env bash
# Regenerates the ZIP code table and the list of its zone decisions in WORK_DIR and fails when either differs from
# the committed file (location/zip_table_data.cpp, tools/zipgen/zone-disagreements.tsv) by a single byte. The
# packages are installed in WORK_DIR with `npm ci --ignore-scripts` on the first run (this needs the npm registry)
# and reused afterwards; the source tree is not written to.
#
# Usage: tools/zipgen/check.sh WORK_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${1:?usage: check.sh WORK_DIR}"

mkdir -p "$work"
"$here/generate.sh" "$work/zip_table_data.cpp" "$work" "$work/zone-disagreements.tsv" 2>"$work/summary.txt"
status=0
for pair in "location/zip_table_data.cpp:$work/zip_table_data.cpp" \
            "tools/zipgen/zone-disagreements.tsv:$work/zone-disagreements.tsv"; do
    committed="${pair%%:*}"
    fresh="${pair#*:}"
    if cmp -s "$root/$committed" "$fresh"; then
        echo "$committed matches a fresh run of tools/zipgen/generate.sh"
    else
        echo "$committed differs from a fresh run of tools/zipgen/generate.sh:"
        diff "$root/$committed" "$fresh" | head -40 || true
        status=1
    fi
done
exit $status
