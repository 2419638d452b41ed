#!/usr/bin/env bash
# Compares `kestrelon-cli zmanim --all` with an independent zmanim library (the npm package kosher-zmanim, pinned in
# package-lock.json). The package is installed in WORK_DIR with `npm ci --ignore-scripts` on the first run (this
# needs the npm registry) and reused afterwards; the source tree is not written to.
#
# Usage: tests/zmanim/reference/check.sh WORK_DIR KESTRELON_CLI
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="${1:?usage: check.sh WORK_DIR KESTRELON_CLI}"
cli="${2:?usage: check.sh WORK_DIR KESTRELON_CLI}"

. "$here/../../support/npm_ci.sh"
exec node "$here/compare.mjs" "$work/node_modules" "$cli"
