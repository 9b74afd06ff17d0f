#!/usr/bin/env bash
# The Windows release as its user meets it, under Wine in a fresh prefix: the
# MSI installed silently, what it put where, a template opened through the
# file association, an upgrade to a higher version, an uninstall that keeps
# the user's files; then the zip's contents and its designer started from an
# unzipped folder. Ends with "N passed, M failed".
#
#   tests/install/install_test.sh MSI ZIP AWAIT_WINDOW_EXE
set -uo pipefail
source "$(dirname "$0")/../../tools/lib/common.sh"
cd "$FW_ROOT"
export LC_ALL=C

msi=$(realpath "$1")
zip=$(realpath "$2")
await=$(realpath "$3")
work=$FW_ROOT/build/install-test
rm -rf "$work"
mkdir -p "$work"

# The upgrade: the same programs under a version one higher in its third
# part, the lowest part an installer compares.
version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
IFS=. read -r major minor patch tweak <<<"$version"
next=$major.$minor.$((patch + 1)).${tweak:-0}
next_msi=$(FW_PACKAGE_VERSION=$next tools/package.sh "$work/next" | sed -n 1p) || { echo "0 passed, 1 failed"; exit 1; }

# Shortcuts and associations stay inside the prefix: no menu entries on the
# machine running the test.
export WINEPREFIX=$FW_ROOT/build/wineprefix-install
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
fw_ensure_display || { echo "0 passed, 1 failed"; exit 1; }
wineboot -i >/dev/null 2>&1
wineserver -w

passed=0
failed=0
check() {  # name command...
    local name=$1
    shift
    if "$@"; then passed=$((passed + 1)); echo "ok: $name"
    else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
say() { echo "  $*"; }

# The data of a registry value (default value without NAME); empty when missing.
reg_value() {  # key [name]
    local which=(/ve)
    [ $# -gt 1 ] && which=(/v "$2")
    wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^    .*    REG_[A-Z_]*    //p'
}
no_key() { ! wine reg query "$1" >/dev/null 2>&1 || { say "$1 is still there"; return 1; }; }
is() {  # what actual expected
    [ "$2" = "$3" ] || { say "$1: \"$2\", expected \"$3\""; return 1; }
}
products() {  # the versions of Formwright that Add/Remove Programs lists
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
        awk 'function flush() { if (name == "Formwright") print version; name = version = "" }
             /^HKEY/ { flush() }
             / DisplayName +REG_SZ / { sub(/.*REG_SZ +/, ""); name = $0 }
             / DisplayVersion +REG_SZ / { sub(/.*REG_SZ +/, ""); version = $0 }
             END { flush() }'
}

IFS='|' read -r local_appdata roaming_appdata < <(wine cmd /c 'echo %LOCALAPPDATA%^|%APPDATA%' | tr -d '\r')
install_dir_win="$local_appdata\\Programs\\Formwright"
install_dir=$(winepath -u "$install_dir_win")
shortcut=$(winepath -u "$roaming_appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Formwright.lnk")
program_files="English.lng README.txt formwright.exe fwtool.exe"
user_files="Deutsch.lng QELTAR.ini mine.QLT"
templates=$WINEPREFIX/drive_c/templates
template_win='C:\templates\stock.QLT'
mkdir -p "$templates"
# The user's own PATH, which the install must extend, not replace.
wine reg add 'HKCU\Environment' /v PATH /d 'C:\tools' /f >/dev/null 2>&1

# The entries of the user's PATH: Wine leaves the separator of a removed
# entry behind, which Windows reads as nothing.
path_entries() { reg_value 'HKCU\Environment' PATH | tr ';' '\n' | sed '/^$/d' | paste -sd';'; }
listing() { ls "$1" | paste -sd' '; }

check "installs silently" wine msiexec /i "$(winepath -w "$msi")" /qn

installed_files() { is "files in $install_dir_win" "$(listing "$install_dir")" "$program_files"; }
check "the programs, README and language file in the user's programs folder" installed_files

start_menu() {
    [ -f "$shortcut" ] || { say "no $shortcut"; return 1; }
    grep -aq 'Formwright\\formwright.exe' "$shortcut" || { say "the shortcut does not lead to formwright.exe"; return 1; }
}
check "a Start-menu shortcut to the designer" start_menu

# Wine keeps a per-user install's classes under HKCR.
association() {
    is ".QLT" "$(reg_value 'HKCR\.QLT')" Formwright.Template &&
        is "open verb" "$(reg_value 'HKCR\Formwright.Template\shell\open\command')" \
            "\"$install_dir_win\\formwright.exe\" \"%1\"" &&
        is "icon" "$(reg_value 'HKCR\Formwright.Template\DefaultIcon')" "$install_dir_win\\formwright.exe,0"
}
check "*.QLT registered with the designer's icon and open verb" association

check "the install folder appended to the user's PATH" \
    is PATH "$(path_entries)" "C:\\tools;$install_dir_win\\"

fwtool_on_path() {
    wine cmd /c "fwtool new $template_win" >/dev/null 2>&1 &&
        is "size of the new template" "$(stat -c %s "$templates/stock.QLT" 2>/dev/null)" 154309
}
check "fwtool runs from a console by its name" fwtool_on_path

# Wine's start follows the association as a double-click does.
opened_by_association() {
    wine start "$template_win" &&
        wine "$await" "Formwright - [ $template_win ]" 60
}
check "a template started through the association opens in the designer" opened_by_association

# The designer wrote its QELTAR.ini on opening; the user adds a template
# and a translation beside it.
cp "$templates/stock.QLT" "$install_dir/mine.QLT"
printf 'Deutsch\r\n2=Neue Datei\r\n' >"$install_dir/Deutsch.lng"
user_files_kept() {
    is "files in $install_dir_win" "$(listing "$install_dir")" "$1" || return 1
    cmp -s "$templates/stock.QLT" "$install_dir/mine.QLT" || { say "mine.QLT changed"; return 1; }
}

upgrade() {
    wine msiexec /i "$(winepath -w "$next_msi")" /qn &&
        is "installed versions" "$(products | tr '\n' ' ')" "$next " &&
        is PATH "$(path_entries)" "C:\\tools;$install_dir_win\\" &&
        user_files_kept "$(printf '%s\n' $program_files $user_files | sort | paste -sd' ')"
}
check "a higher version replaces the installed one" upgrade

uninstall() {
    wine msiexec /x "$(winepath -w "$next_msi")" /qn &&
        is "installed versions" "$(products)" "" &&
        { [ ! -e "$shortcut" ] || { say "the shortcut is still there"; return 1; }; } &&
        no_key 'HKCR\.QLT' && no_key 'HKCR\Formwright.Template' && no_key 'HKCU\Software\Varnok\Formwright' &&
        is PATH "$(path_entries)" 'C:\tools' &&
        user_files_kept "$user_files"
}
check "uninstall removes what it installed and keeps the user's templates, ini and language files" uninstall

zip_contents() {
    is "zip" "$(unzip -Z1 "$zip" | sort | paste -sd' ')" "$program_files" || return 1
    unzip -p "$zip" README.txt | grep -qv $'\r$' && { say "README.txt has lines without CR LF"; return 1; }
    return 0
}
check "the zip holds the programs, README as text and the language file" zip_contents

unzipped=$WINEPREFIX/drive_c/portable
unzip -q "$zip" -d "$unzipped"
unzipped_run() {
    # A complete language file to start a translation from.
    (cd "$unzipped" && wine fwtool.exe lang-check English.lng >"$work/lang-check.log" 2>&1) ||
        { say "English.lng: $(head -3 "$work/lang-check.log")"; return 1; }
    wine start /unix "$unzipped/formwright.exe" && wine "$await" Formwright 60
}
check "the unzipped designer starts, and its language file is complete" unzipped_run

wineserver -w
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
