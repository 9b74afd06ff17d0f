#!/usr/bin/env bash
# Builds everything and runs every test layer: the native core and page tests,
# the same tests cross-built and run under Wine, the real program driven under
# Wine, and short fuzzing runs of the readers of outside input. Ends
# with "N passed, M failed".
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"

passed=0
failed=0
fuzz_seconds=${FW_FUZZ_SECONDS:-20}

# Adds one layer's counts; a run that fails with no failed test counts as one
# failure. Fails when the layer did.
tally() {  # name passed failed exit-code
    local p=${2:-0} f=${3:-0}
    if [ "$4" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
    passed=$((passed + p))
    failed=$((failed + f))
    fw_log "$1: $p passed, $f failed"
    [ "$f" -eq 0 ]
}

count_gtest() {  # name output-file exit-code
    local p f
    p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$2" | tail -1)
    f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$2" | tail -1)
    tally "$1" "$p" "$f" "$3" || grep -E '^\[  FAILED  \]|Failure|error' "$2" | head -40 >&2
}

# The counts of a script that ends with "N passed, M failed".
count_summary() {  # name output-file exit-code
    local p f
    read -r p f < <(sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$2" | tail -1)
    tally "$1" "$p" "$f" "$3" || grep -vE '^ok: ' "$2" | head -40 >&2
}

count_one() {  # name exit-code
    if [ "$2" -eq 0 ]; then passed=$((passed + 1)); fw_log "$1: passed"
    else failed=$((failed + 1)); fw_log "$1: FAILED"; fi
}

fw_ensure_packages || { echo "0 passed, 1 failed"; exit 1; }
logs=$FW_ROOT/build/test-logs
mkdir -p "$logs"

tools/check-includes.sh >"$logs/includes.log" 2>&1
rc=$?
[ $rc -eq 0 ] || cat "$logs/includes.log" >&2
count_one "include order" $rc

fw_log "native build"
if fw_build native >"$logs/native-build.log" 2>&1; then
    build/native/tests/formwright_tests --gtest_brief=1 >"$logs/native.log" 2>&1
    count_gtest "native tests" "$logs/native.log" $?
else
    tail -30 "$logs/native-build.log" >&2
    count_one "native build" 1
fi

fw_log "Windows build (MinGW-w64)"
# Every Wine process of the run gets the display: the first one starts the
# Wine desktop, and a desktop started without a display keeps every later
# program of the same Wine session from creating windows.
if ! fw_ensure_display; then
    count_one "display for the Wine tests" 1
elif fw_build mingw >"$logs/mingw-build.log" 2>&1; then
    wine build/mingw/tests/formwright_tests.exe --gtest_brief=1 >"$logs/wine-core.log" 2>&1
    count_gtest "core tests under Wine" "$logs/wine-core.log" $?

    # The real program, started and driven through its windows. The time
    # limit keeps a hung program from eating the budget.
    fw_log "designer under Wine"
    timeout 420 wine build/mingw/tests/designer_wine_tests.exe --designer=build/mingw/formwright.exe \
        --gtest_brief=1 >"$logs/wine-designer.log" 2>&1
    count_gtest "designer under Wine" "$logs/wine-designer.log" $?

    # The release as its user gets it: the MSI and the zip, installed and
    # run under Wine in a prefix of their own.
    fw_log "release packages and install test"
    if made=$(tools/package.sh 2>"$logs/package.log"); then
        count_one "release packages" 0
        mapfile -t packages <<<"$made"
        timeout 300 tests/install/install_test.sh "${packages[@]}" build/mingw/tests/await_window.exe \
            >"$logs/install.log" 2>&1
        count_summary "install test" "$logs/install.log" $?
    else
        tail -30 "$logs/package.log" >&2
        count_one "release packages" 1
    fi
else
    tail -30 "$logs/mingw-build.log" >&2
    count_one "Windows build" 1
fi

fw_log "fuzzers (${fuzz_seconds} s each)"
if fw_build fuzz >"$logs/fuzz-build.log" 2>&1; then
    corpus=$FW_ROOT/build/fuzz/corpus
    mkdir -p "$corpus/template_file" "$corpus/ini" "$corpus/language" "$corpus/template_json"
    build/fuzz/tools/fwtool new "$corpus/template_file/new.QLT" 2>/dev/null
    for target in template_file ini language template_json; do
        seeds=()
        [ -d "tests/fuzz/seeds/$target" ] && seeds=("tests/fuzz/seeds/$target")
        "build/fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$fuzz_seconds" \
            "$corpus/$target" "${seeds[@]}" >"$logs/fuzz-$target.log" 2>&1
        rc=$?
        [ $rc -eq 0 ] || tail -30 "$logs/fuzz-$target.log" >&2
        count_one "fuzz $target" $rc
    done
else
    tail -30 "$logs/fuzz-build.log" >&2
    count_one "fuzz build" 1
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
