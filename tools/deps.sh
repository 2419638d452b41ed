# Sourced by tools/run and tools/test: installs the Debian packages the project needs, when any is missing.
# Nothing slow happens when everything is there: dpkg-query answers for all packages at once.

# python3, nodejs, npm and tzdata: the native tests regenerate the ZIP code table (tools/zipgen) and compare it.
# khal and python3-icalendar: the native tests read kestrelon-cli's calendar files with them (tests/cli/ical).
# hebcal: the native tests compare the days of candle lighting, havdalah and the fasts (tests/holidays/shabbat) and
# the daf yomi (tests/cli/daf) with its listings.
# python3-pyluach: the native tests compare the weekly portion (tests/holidays/parsha) and the molad of every month
# (tests/cli/molad) with it.
kestrelon_packages_build=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang-format
    python3 nodejs npm tzdata g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 khal python3-icalendar hebcal
    python3-pyluach)
kestrelon_packages_wine=(wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick faketime)
kestrelon_packages_release=(nsis fp-utils nodejs npm fonts-dejavu-core)
kestrelon_packages_bench=(hebcal)
# tools/fuzz: clang with libFuzzer and the sanitizer runtimes.
kestrelon_packages_fuzz=(clang libclang-rt-14-dev)

kestrelon_install() {
    local missing=()
    local package
    for package in "$@"; do
        # A nodejs package built outside Debian brings its own npm and conflicts with Debian's npm package.
        if [ "$package" = npm ] && command -v npm >/dev/null; then
            continue
        fi
        if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
