#!/usr/bin/env bash
# Keeps the sources layered: a file includes only from its own folder or from
# folders below it in this order. Prints each include that reaches upward and
# fails when there is one.
#
#   tools/check-includes.sh
set -uo pipefail
cd "$(dirname "$0")/.."

order=(strings ui template grid preview pages editor app tools)
declare -A rank
for i in "${!order[@]}"; do rank[${order[$i]}]=$i; done

bad=0
while IFS= read -r file; do
    own=${file%%/*}
    while IFS= read -r target; do
        folder=${target%%/*}
        [ -n "${rank[$folder]+x}" ] || continue
        if [ "${rank[$folder]}" -gt "${rank[$own]}" ]; then
            echo "$file includes $target, from a folder above $own/"
            bad=$((bad + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -- "${order[@]/%//}" | grep -E '\.(cpp|h)$')

[ "$bad" -eq 0 ] && echo "includes: every file looks only down" || echo "includes: $bad reach upward"
[ "$bad" -eq 0 ]
