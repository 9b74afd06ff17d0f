# Shared by the run and test scripts: packages, build presets, Wine and Xvfb.
# shellcheck shell=bash

FW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$FW_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

fw_log() { printf '== %s\n' "$*" >&2; }

# The median of whole numbers.
fw_median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Times two commands in turns, each run by `timer` (a function that runs its
# arguments and prints one time), and prints both medians and their ratio.
fw_bench_pair() {  # runs unit timer "name a" "name b" -- command-a... -- command-b...
    # Prefixed names: the timer is the caller's function, and bash would let
    # it see these locals in place of the caller's own variables.
    local _fw_runs=$1 _fw_unit=$2 _fw_timer=$3 _fw_name_a=$4 _fw_name_b=$5
    shift 6
    local _fw_a_cmd=() _fw_b_cmd=()
    while [ "$1" != "--" ]; do _fw_a_cmd+=("$1"); shift; done
    shift
    _fw_b_cmd=("$@")
    "$_fw_timer" "${_fw_b_cmd[@]}" >/dev/null  # warm the caches
    local _fw_a=() _fw_b=() _fw_i
    for _fw_i in $(seq "$_fw_runs"); do
        _fw_a+=("$("$_fw_timer" "${_fw_a_cmd[@]}")")
        _fw_b+=("$("$_fw_timer" "${_fw_b_cmd[@]}")")
    done
    local _fw_ma _fw_mb
    _fw_ma=$(fw_median "${_fw_a[@]}")
    _fw_mb=$(fw_median "${_fw_b[@]}")
    printf '%-16s %s %s (median %s)\n' "$_fw_name_a:" "${_fw_a[*]}" "$_fw_unit" "$_fw_ma"
    printf '%-16s %s %s (median %s)\n' "$_fw_name_b:" "${_fw_b[*]}" "$_fw_unit" "$_fw_mb"
    awk -v a="$_fw_ma" -v b="$_fw_mb" -v n="$_fw_name_a / $_fw_name_b" 'BEGIN { printf "ratio %s: %.2f\n", n, a / b }'
}

# Installs what the build and the tests need when a piece is missing.
fw_ensure_packages() {
    local missing=()
    command -v cmake >/dev/null || missing+=(cmake)
    command -v ninja >/dev/null || missing+=(ninja-build)
    command -v g++ >/dev/null || missing+=(g++)
    command -v clang++ >/dev/null || missing+=(clang)
    ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
        missing+=(libclang-rt-14-dev)
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -f /usr/include/nlohmann/json.hpp ] || missing+=(nlohmann-json3-dev)
    [ -f /usr/include/CLI/CLI.hpp ] || missing+=(libcli11-dev)
    command -v x86_64-w64-mingw32-g++ >/dev/null || missing+=(g++-mingw-w64-x86-64)
    command -v wine >/dev/null || missing+=(wine wine64)
    command -v Xvfb >/dev/null || missing+=(xvfb xauth)
    command -v import >/dev/null || missing+=(imagemagick)
    # The release packages (tools/package.sh) and their test.
    command -v wixl >/dev/null || missing+=(wixl)
    command -v msibuild >/dev/null || missing+=(msitools)
    command -v zip >/dev/null || missing+=(zip)
    command -v unzip >/dev/null || missing+=(unzip)
    [ ${#missing[@]} -eq 0 ] && return 0
    fw_log "installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # Another apt run (an unattended upgrade, a second script) may hold the
    # lock for a while: wait for it rather than fail.
    local wait=(-o DPkg::Lock::Timeout=600)
    "${sudo[@]}" apt-get "${wait[@]}" update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${wait[@]}" install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

fw_build() {  # preset [target...]
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null || return 1
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}

# Starts an X server for Wine when there is no display; stopped on exit.
fw_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        FW_XVFB_PID=$!
        export DISPLAY=":$n"
        trap 'kill "$FW_XVFB_PID" 2>/dev/null' EXIT
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        return 1
    done
    return 1
}
