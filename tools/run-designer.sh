#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine, from its own program
# folder (build/program), where its QELTAR.ini and any *.lng files live.
#
#   tools/run-designer.sh [TEMPLATE.QLT]    # a template path opens it at start
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"

fw_ensure_packages
fw_build mingw formwright >/dev/null
program=$FW_ROOT/build/program
mkdir -p "$program"
cp build/mingw/formwright.exe "$program/"
fw_log "program folder: $program (QELTAR.ini and *.lng files go beside formwright.exe)"

had_display=${DISPLAY:-}
fw_ensure_display || { fw_log "no display and Xvfb could not be started"; exit 1; }
if [ -z "$had_display" ]; then
    # Xvfb has no window manager to draw captions and frames: Wine draws its
    # own.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # Runs until the program exits; common.sh stops it on the way out.
    fw_log "no display: started Xvfb on $DISPLAY for the program (watch it with a VNC viewer or"
    fw_log "take screenshots: DISPLAY=$DISPLAY import -window root shot.png)"
fi

status=0
# From its own folder, so Open and Save As start there and not among the
# sources; a template path given relative to the checkout still opens.
args=()
for arg in "$@"; do
    if [ -e "$arg" ]; then args+=("$(winepath -w "$(realpath "$arg")")"); else args+=("$arg"); fi
done
(cd "$program" && wine formwright.exe "${args[@]}") || status=$?
# Wine's helper processes still hold our X server for a moment: let them go
# before the exit trap stops it.
[ -n "$had_display" ] || wineserver -w 2>/dev/null || true
exit "$status"
