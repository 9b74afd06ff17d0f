#!/usr/bin/env bash
# The editor sheet under Wine: from Edit to the sheet painted and a walk
# through its five tabs, against the same property-sheet frame holding five
# empty pages, timed in turns in one process. Prints both medians and their
# ratios.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"
runs=${1:-15}

fw_ensure_packages
build=build/bench-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DFW_BUILD_TESTS=OFF -DFW_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target sheet_timer >/dev/null
fw_ensure_display
wine "$build/tools/bench/sheet_timer.exe" "$runs" 2>/dev/null
