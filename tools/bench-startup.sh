#!/usr/bin/env bash
# Start-up of the designer, to its first painted face, against a minimal
# Win32 window program started the same way under the same Wine, taken in
# turns. Prints both medians and their ratio.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"
runs=${1:-9}

fw_ensure_packages
build=build/bench-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DFW_BUILD_TESTS=OFF -DFW_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target formwright minimal_window startup_timer >/dev/null
fw_ensure_display

program=$FW_ROOT/build/bench-program
rm -rf "$program" && mkdir -p "$program"
cp "$build/formwright.exe" "$build/tools/bench/minimal_window.exe" "$program/"
timer=$build/tools/bench/startup_timer.exe
# A point of the keypad, inside both windows (they stand at 100, 50).
x=225 y=350

time_once() { wine "$timer" "$1" "$x" "$y" 1 2>/dev/null | sed -n 's/^run 1: \([0-9]*\) ms/\1/p'; }

fw_bench_pair "$runs" ms time_once designer "minimal window" -- "$program/formwright.exe" -- \
    "$program/minimal_window.exe"
