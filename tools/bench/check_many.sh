#!/usr/bin/env bash
# fwtool check over 200 templates in one call, against cat of the same files
# (reading them is the least any check does), taken in turns. Prints both
# medians and their ratio; the goal is under 3.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
cd "$FW_ROOT"
runs=${1:-11}
count=200

fw_build native fwtool >/dev/null
fwtool=$FW_ROOT/build/native/tools/fwtool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Templates that differ from one another: a menu, a keyed stock form and a
# price form looking codes up in a lookup file, each with its own prompts.
for i in $(seq -w 1 "$count"); do
    cat >"$work/t.json" <<JSON
{"menus": [{"itemName": ["Count $i", "Prices"], "nextTarget": [1, 2], "saveSelectedItem": 1}],
 "forms": [
  {"escTarget": 21, "keyLine": 1, "stampMode": 2, "lines": [
    {"dataType": 1, "prompt": "Item $i", "maxLength": 12},
    {"dataType": 2, "prompt": "Qty", "maxLength": 5}]},
  {"escTarget": 21, "lookupFile": 1, "lines": [
    {"dataType": 7, "prompt": "Code", "lookupField": 1, "initialValueOn": 1},
    {"dataType": 3, "prompt": "Price", "maxLength": 8}]}],
 "lookups": [{"fieldCount": 2, "delimiter": 59, "fields": [
    {"fieldName": "Code", "fieldLength": 6}, {"dataType": 2, "fieldName": "Price", "fieldLength": 8}]}],
 "settings": {"startFrom": 1}}
JSON
    "$fwtool" build "$work/t.json" "$work/t$i.QLT" --prepare
done
rm "$work/t.json"

now() { date +%s%N; }
time_once() {  # command...
    local start
    start=$(now)
    "$@" >/dev/null 2>&1 || true
    echo $((($(now) - start) / 1000))
}

files=("$work"/*.QLT)
fw_bench_pair "$runs" us time_once "fwtool check" cat -- "$fwtool" check "${files[@]}" -- cat "${files[@]}"
echo "(goal: under 3 for $count templates)"
