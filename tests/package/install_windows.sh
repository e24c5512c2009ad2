#!/usr/bin/env bash
# The Windows delivery under wine, in a fresh prefix of its own: the portable
# zip unpacked and started; then the installer: a silent install over an older
# version, the program where the Start-menu shortcut
# points and starting from there, the Apps & Features entry, then a silent
# uninstall that leaves no file, shortcut or entry behind.
# Usage: install_windows.sh BUILD_DIR VERSION
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(realpath "$1")
version=$2
setup="$build/kordavel-config-$version-setup.exe"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
. "$(dirname "$0")/../support/wine_reg.sh"
for tool in makensis xvfb-run xdotool unzip; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages nsis, xvfb, xdotool, unzip)"; exit 1; }
done
zip="$build/kordavel-config-$version-windows-x64.zip"
[ -f "$zip" ] || { echo "no zip at $zip"; exit 1; }
[ -f "$setup" ] || { echo "no installer at $setup"; exit 1; }

export KORDAVEL_WINEPREFIX="$build/wineprefix-install"
export WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
rm -rf "$KORDAVEL_WINEPREFIX" "$KORDAVEL_WINEPREFIX.lock"
work=$(mktemp -d)
trap 'rm -rf "$work"; "$wineserver" -k 2>/dev/null || true' EXIT
"$build/wine-run.sh" cmd /c exit   # makes the prefix
"$wineserver" -w
drive_c="$KORDAVEL_WINEPREFIX/drive_c"
list_files() { (cd "$drive_c" && find . -path ./windows -prune -o -type f -print | sort); }
list_files > "$work/before.txt"
fail() { echo "FAILED: $*"; exit 1; }

# Starts a program under wine on a virtual display and waits for its window.
# Each start on a display numbered apart from the one before (from 250 on,
# apart from the other tests'): an X server that has just ended may still
# hold its number.
display_from=250
shows_window() {
    cat > "$work/start.sh" <<INNER
"$wine" "$1" >/dev/null 2>&1 &
for _ in \$(seq 1 120); do
    xdotool search --onlyvisible --name '^Kordavel Configuration\$' >/dev/null 2>&1 && exit 0
    sleep 0.25
done
exit 1
INNER
    : > "$work/drives.table"
    KORDAVEL_DRIVE_TABLE="Z:${work//\//\\}\\drives.table" timeout 120 xvfb-run -a -n "$display_from" bash "$work/start.sh"
    local status=$?
    display_from=$((display_from + 5))
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
    return $status
}


# The portable zip: one folder that runs as it is unpacked.
mkdir -p "$drive_c/portable"
unzip -q "$zip" -d "$drive_c/portable"
shows_window "C:\\portable\\kordavel-config-$version\\kordavel-config.exe" ||
    fail "the program from the zip did not show its window"
echo "the program from the zip started and showed \"Kordavel Configuration\""
# The administrative templates: in the zip and beside the installers, one
# .adml for each language (their content is checked by test_app).
for templates in "$drive_c/portable/kordavel-config-$version/policy-templates" "$build/policy-templates"; do
    [ -f "$templates/kordavel.admx" ] || fail "no kordavel.admx in $templates"
    [ "$(find "$templates" -name kordavel.adml | wc -l)" -eq 7 ] || fail "not seven .adml files in $templates"
done
echo "the administrative templates are in the zip and beside the installers"
rm -rf "$drive_c/portable"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KordavelConfiguration'
entry() { wine_reg query "$key" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'; }
# Succeeds when key is not there; a reg that keeps failing is not taken for that.
absent() { local status=0; wine_reg query "$1" >/dev/null || status=$?; [ "$status" -eq 1 ]; }

# An older version, made from the same files, installed first. It is left
# uncompressed: packing it as the release is packed would take a quarter of
# a minute of CPU for nothing this test looks at.
makensis -V1 '-XSetCompressor /FINAL zlib' '-XSetCompress off' -DVERSION=0.0.1 -DICON="$build/src/app/kordavel-config.ico" -DOUTFILE="$work/old-setup.exe" \
    -DFILES="$build/installer-files.nsh" "$(dirname "$0")/../../resources/windows/installer.nsi"
"$wine" "$work/old-setup.exe" /S
"$wineserver" -w
[ "$(entry DisplayVersion)" = 0.0.1 ] || fail "the older version is not installed"

start=$(date +%s)
"$wine" "$setup" /S /AllUsers
"$wineserver" -w
echo "silent install took $(( $(date +%s) - start )) s"
[ "$(entry DisplayVersion)" = "$version" ] || fail "DisplayVersion is '$(entry DisplayVersion)', not $version"
[ "$(entry Publisher)" = Kordavel ] || fail "no publisher"
wine_reg query "$key" /v DisplayName | tr -d '\r' | grep -q 'Kordavel Configuration' || fail "no DisplayName"
wine_reg query "$key" /v UninstallString | tr -d '\r' | grep -qF 'uninstall.exe' || fail "no UninstallString"

program_dir="$drive_c/Program Files/Kordavel Configuration"
[ -f "$program_dir/kordavel-config.exe" ] || fail "the program is not in Program Files"
for f in Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll README.txt \
         translations/qtbase_de.qm translations/qtbase_pl.qm \
         licenses/LICENSES.txt licenses/LGPL-3.txt uninstall.exe; do
    [ -f "$program_dir/$f" ] || fail "$f is not installed"
done
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kordavel Configuration.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
# The target path is stored in the shortcut as text (ANSI or UTF-16).
target=$( { strings -n 8 "$shortcut"; strings -n 8 -el "$shortcut"; } | grep -oi 'C:.*kordavel-config\.exe$' | head -n 1)
echo "the shortcut points to: $target"
[ "$target" = 'C:\Program Files\Kordavel Configuration\kordavel-config.exe' ] || fail "the shortcut points elsewhere"

# Started from where the shortcut points, with nothing but the installed files.
shows_window "$target" || fail "the installed program did not show its window"
echo "the installed program started and showed \"Kordavel Configuration\""

"$wine" "C:\\Program Files\\Kordavel Configuration\\uninstall.exe" /S
"$wineserver" -w
[ ! -e "$program_dir" ] || fail "the program folder is still there: $(ls -R "$program_dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
absent "$key" || fail "the Apps & Features entry is still there"
list_files > "$work/after.txt"
if ! diff "$work/before.txt" "$work/after.txt"; then
    fail "files left behind (lines with >)"
fi
echo "for all users: install, upgrade and uninstall passed"

# For the current user only: no elevation (the installer asks for none), into
# %LOCALAPPDATA%\Programs, entry and shortcut under the current user.
strings "$setup" | grep 'requestedExecutionLevel level="asInvoker"' >/dev/null ||
    fail "the installer asks for elevation"
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KordavelConfiguration'
user_entry() { wine_reg query "$user_key" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'; }
"$wine" "$work/old-setup.exe" /S /CurrentUser
"$wineserver" -w
[ "$(user_entry DisplayVersion)" = 0.0.1 ] || fail "the older version is not installed for the user"
"$wine" "$setup" /S /CurrentUser
"$wineserver" -w
[ "$(user_entry DisplayVersion)" = "$version" ] || fail "per-user DisplayVersion is '$(user_entry DisplayVersion)'"
absent "$key" || fail "a per-user install wrote an entry for all users"
wine_reg query "$user_key" /v QuietUninstallString | tr -d '\r' | grep -qF 'uninstall.exe" /S /CurrentUser' ||
    fail "no quiet per-user uninstall string"
user_home=$(ls -d "$drive_c"/users/*/AppData/Local | grep -v /Public/ | head -n 1)
user_dir="$user_home/Programs/Kordavel Configuration"
[ -f "$user_dir/kordavel-config.exe" ] || fail "the program is not in %LOCALAPPDATA%\\Programs"
[ ! -e "$program_dir" ] || fail "a per-user install wrote to Program Files"
user_shortcut=$(ls "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kordavel\ Configuration.lnk 2>/dev/null | head -n 1)
[ -n "$user_shortcut" ] || fail "no Start-menu shortcut for the user"
[ ! -e "$shortcut" ] || fail "a per-user install made a shortcut for all users"
user_target=$( { strings -n 8 "$user_shortcut"; strings -n 8 -el "$user_shortcut"; } | grep -oi 'C:.*kordavel-config\.exe$' | head -n 1)
echo "the per-user shortcut points to: $user_target"
case "$user_target" in
    'C:\users\'*'\AppData\Local\Programs\Kordavel Configuration\kordavel-config.exe') ;;
    *) fail "the per-user shortcut points elsewhere" ;;
esac
shows_window "$user_target" || fail "the per-user program did not show its window"
echo "the per-user program started and showed \"Kordavel Configuration\""
quiet=$(wine_reg query "$user_key" /v QuietUninstallString | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
# Run as Apps & Features runs it: the quoted program, then its switches.
uninstaller=${quiet#\"}; uninstaller=${uninstaller%%\"*}
read -r -a switches <<< "${quiet##*\" }"
"$wine" "$uninstaller" "${switches[@]}"
"$wineserver" -w
[ ! -e "$user_dir" ] || fail "the per-user folder is still there: $(ls -R "$user_dir")"
[ ! -e "$user_shortcut" ] || fail "the per-user shortcut is still there"
absent "$user_key" || fail "the per-user entry is still there"
list_files > "$work/after-user.txt"
if ! diff "$work/before.txt" "$work/after-user.txt"; then
    fail "files left behind by the per-user install (lines with >)"
fi
echo "for the current user: install, upgrade and uninstall passed"
echo "install, upgrade and uninstall: all checks passed"
