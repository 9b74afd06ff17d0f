#!/usr/bin/env bash
# Builds the Windows release into dist/ (or OUT_DIR): the per-user installer
# Formwright-<version>-x64.msi and the same files for unzip-and-run,
# Formwright-<version>-x64.zip. Prints the two paths.
#
#   tools/package.sh [OUT_DIR]
#
# The version is the project's, from project(VERSION) in CMakeLists.txt.
# FW_PACKAGE_VERSION replaces it in the package names and the installer's
# product version only: the install test builds an upgrade with it without
# rebuilding the programs.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$FW_ROOT"

out=$(realpath -m "${1:-dist}")
fw_ensure_packages
fw_build mingw formwright fwtool >&2
version=${FW_PACKAGE_VERSION:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/mingw/CMakeCache.txt)}
name=Formwright-$version-x64
files=(formwright.exe fwtool.exe README.txt English.lng)

# wixl takes sources relative to the .wxs, so everything meets in one folder.
stage=$FW_ROOT/build/package/$version
rm -rf "$stage"
mkdir -p "$stage" "$out"
cp build/mingw/formwright.exe build/mingw/tools/fwtool.exe tools/package/formwright.wxs "$stage/"
sed 's/$/\r/' README.md >"$stage/README.txt"
# The shipped fwtool writes the language file, so it holds what this build knows.
had_display=${DISPLAY:-}
fw_ensure_display
(cd "$stage" && wine fwtool.exe lang-template English.lng)
# Wine's helper processes let go of an X server started here before it stops.
[ -n "$had_display" ] || wineserver -w

msi=$out/$name.msi
wixl -a x64 -D Version="$version" -o "$msi" "$stage/formwright.wxs"
# wixl has no Environment element: the PATH entry is a table of its own.
msibuild "$msi" -i tools/package/environment.idt

# wixl passes what it does not understand with a warning: check the result.
expect() {  # table what perl-regex
    msiinfo export "$msi" "$1" | tr -d '\r' | grep -qP "$3" || { fw_log "$msi: $2 is missing"; rm -f "$msi"; exit 1; }
}
expect Property "version $version" "^ProductVersion\t\Q$version\E\$"
expect Registry ".QLT to Formwright.Template" '\t0\t\.QLT\t\tFormwright\.Template\t'
expect Registry "the open verb" '\t0\tFormwright\.Template\\shell\\open\\command\t\t"\[#formwright\.exe\]" "%1"\t'
expect Registry "the icon" '\t0\tFormwright\.Template\\DefaultIcon\t\t\[#formwright\.exe\],0\t'
expect Shortcut "the Start-menu shortcut" '\tProgramMenuFolder\tFormwright\tProgram\t'
expect Environment "the PATH entry" '\t=-PATH\t\[~\];\[INSTALLDIR\]\tProgram$'
expect Component "a 64-bit component" '\tINSTALLDIR\t(260|256)\t'
msiinfo suminfo "$msi" | grep -q '^Template: x64;' || { fw_log "$msi is not an x64 package"; rm -f "$msi"; exit 1; }

zip=$out/$name.zip
rm -f "$zip"
(cd "$stage" && zip -q -X -9 "$zip" "${files[@]}")
printf '%s\n' "$msi" "$zip"
