# Sourced by the checks that compare with a pinned npm package: installs the package.json and package-lock.json of
# the folder $here into $work with `npm ci --ignore-scripts` on the first run (this needs the npm registry) and
# whenever the lock file is newer, and reuses it afterwards; the source tree is not written to.
mkdir -p "$work"
cp "$here/package.json" "$here/package-lock.json" "$work/"
installed="$work/node_modules/.package-lock.json"
if [ ! -f "$installed" ] || [ "$work/package-lock.json" -nt "$installed" ]; then
    (cd "$work" && npm ci --ignore-scripts --no-audit --no-fund)
fi
