#!/usr/bin/env bash
# Checks the output of `kestrelon-cli ical` with an independent iCalendar parser (the npm package ical.js, pinned
# in package-lock.json). The package is installed in WORK_DIR with `npm ci --ignore-scripts` on the first run (this
# needs the npm registry) and reused afterwards; the source tree is not written to.
#
# Usage: tests/cli/ical/check.sh WORK_DIR KESTRELON_CLI
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="${1:?usage: check.sh WORK_DIR KESTRELON_CLI}"
cli="${2:?usage: check.sh WORK_DIR KESTRELON_CLI}"

. "$here/../../support/npm_ci.sh"
NODE_PATH="$work/node_modules" exec node "$here/validate.mjs" "$work/node_modules/ical.js/dist/ical.js" "$cli" "$work"
