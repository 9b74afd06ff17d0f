#!/usr/bin/env bash
# Builds the designer and starts it on a fresh default template.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"

fw_ensure_packages
fw_build native fwtool >/dev/null
out=$FW_ROOT/build/new.QLT
build/native/tools/fwtool new "$out"
fw_log "fresh template written: $out ($(stat -c %s "$out") bytes)"
