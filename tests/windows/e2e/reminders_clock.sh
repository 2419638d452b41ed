#!/usr/bin/env bash
# Runs the Reminders suite against a kestrelon.exe whose clock starts at a chosen UT instant: libfaketime is
# preloaded into that program's Unix process alone. Wine builds a new process's Unix environment from its parent's
# Unix one, not from the Windows environment a test program could hand to CreateProcess, so the program is started
# from here and the suite finds the running copy.
#
#   reminders_clock.sh RUNNER STATE KESTRELON.EXE E2E_TESTS.EXE "YYYY-MM-DD HH:MM:SS" NAME=VALUE...
#
# The settings key is replaced by the DWORD values given before the program starts. The server session is opened
# (by reg.exe) before the program, so that Wine's own processes never run on the false clock.
set -euo pipefail
runner=$1 state=$2 program=$3 tests=$4 start=$5
shift 5
key='HKCU\Software\Brisken Software\Kestrelon\1.0'

"$runner" "$state" reg.exe delete "$key" /f >/dev/null 2>&1 || true
for setting in "$@"; do
    "$runner" "$state" reg.exe add "$key" /v "${setting%%=*}" /t REG_DWORD /d "${setting#*=}" /f >/dev/null
done

LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@$start" NO_FAKE_STAT=1 TZ=UTC \
    "$runner" "$state" "$program" </dev/null >/dev/null 2>&1 &
program_runner=$!

status=0
"$runner" "$state" "$tests" --gtest_filter='Reminders.*' || status=$?
# The suite ends the program; should it fail to, the program goes with its runner.
for _ in $(seq 50); do
    kill -0 "$program_runner" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program_runner" 2>/dev/null; then
    kill "$program_runner" 2>/dev/null || true
    status=1
fi
exit "$status"
