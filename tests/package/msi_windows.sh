#!/usr/bin/env bash
# The MSI under wine, in a prefix of its own, as a managed PC takes it:
#  1. beside the setup program (NSIS): refused while that is installed;
#  2. an older MSI made from the same files, then this one silently over it:
#     an upgrade in place, one Apps & Features entry, the Start-menu entry;
#     the older one is then refused over it;
#  3. the program as installed, end to end with the organisation's policy set
#     in the registry (tests/e2e/fleet_e2e.sh on this prefix);
#  4. a silent uninstall: the program, its entry and its shortcut are gone,
#     the user's record, rows and standard copy stay;
#  5. the signatures: with the certificate the build was given, the program
#     (as deployed and in the zip), the setup program, its uninstaller and the
#     MSI each carry a valid one; without, none does.
# Usage: msi_windows.sh BUILD_DIR VERSION [PKCS12 PASSWORD_FILE]
set -Eeuo pipefail
# wine and its tools often fail without a word: the failing command is named.
trap 'echo "failed (status $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
build=$(realpath "$1")
version=$2
pkcs12=${3:-}
password_file=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
msi="$build/kordavel-config-$version-x64.msi"
setup="$build/kordavel-config-$version-setup.exe"
zip="$build/kordavel-config-$version-windows-x64.zip"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
. "$here/../support/wine_reg.sh"
for tool in wixl msiinfo osslsigncode openssl unzip strings; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing (Debian packages wixl, msitools, osslsigncode, openssl, unzip, binutils)"; exit 1; }
done
for f in "$msi" "$setup" "$zip" "$build/msi-files.wxs"; do
    [ -f "$f" ] || { echo "no $f: make windows makes it"; exit 1; }
done
fail() { echo "FAILED: $*" >&2; exit 1; }

export KORDAVEL_WINEPREFIX="$build/wineprefix-msi"
export WINEPREFIX=$KORDAVEL_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
rm -rf "$KORDAVEL_WINEPREFIX" "$KORDAVEL_WINEPREFIX.lock"
work=$(mktemp -d)
trap 'rm -rf "$work"; "$wineserver" -k 2>/dev/null || true' EXIT
"$build/wine-run.sh" cmd /c exit # makes the prefix
"$wineserver" -w
drive_c="$KORDAVEL_WINEPREFIX/drive_c"
win() { local p=$1; echo "Z:${p//\//\\}"; }

# The Apps & Features entries named Kordavel Configuration, as "key version".
# The key is always there: a query that fails is an error, not "no entry".
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entries() {
    local listed
    listed=$(wine_reg query "$uninstall_key" /s) || return 1
    tr -d '\r' <<<"$listed" | awk '
        /^HKEY/ { key = $0; name = ""; ver = ""; next }
        $1 == "DisplayName" { sub(/^ *DisplayName +REG_SZ +/, ""); name = $0 }
        $1 == "DisplayVersion" { ver = $3 }
        name == "Kordavel Configuration" && ver != "" { print key, ver; name = "" }'
}
msiexec() {
    local status=0
    "$wine" msiexec "$@" || status=$?
    "$wineserver" -w
    return "$status"
}
# A refusal ends with 1603 (ERROR_INSTALL_FAILURE), of which a shell sees the
# low byte.
refused=$((1603 % 256))
program_dir="$drive_c/Program Files/Kordavel Configuration"
# Windows puts a per-machine package's Start-menu entry in the menu of all
# users; wine in the menu of the user who installs it.
start_menu_entry() {
    find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs \
        -maxdepth 1 -name 'Kordavel Configuration.lnk' 2>/dev/null | head -n 1
}

# 1. The setup program's installation is there: the MSI is refused and
# changes nothing.
"$wine" "$setup" /S /AllUsers
"$wineserver" -w
[ -f "$program_dir/uninstall.exe" ] || fail "the setup program did not install"
uninstaller_copy="$work/uninstall.exe"
cp "$program_dir/uninstall.exe" "$uninstaller_copy" # its signature is checked below
status=0
msiexec /i "$(win "$msi")" /qn || status=$?
[ "$status" -eq "$refused" ] || fail "the MSI beside the setup program's installation ended with $status"
[ "$(entries | wc -l)" -eq 1 ] || fail "the refused MSI left an entry: $(entries)"
[ -f "$program_dir/uninstall.exe" ] || fail "the refused MSI changed the setup program's files"
echo "beside the setup program's installation the MSI is refused (1603) and changes nothing"
"$wine" "C:\\Program Files\\Kordavel Configuration\\uninstall.exe" /S /AllUsers
"$wineserver" -w
[ -z "$(entries)" ] || fail "the setup program's entry is still there"

# 2. The package: per machine, this version, the upgrade code every version
# has. An older MSI from the same files, then this one over it.
upgrade_code=$(grep -o 'UpgradeCode="[^"]*"' "$here/../../resources/windows/kordavel-config.wxs" | cut -d'"' -f2)
properties=$(msiinfo export "$msi" Property | tr -d '\r')
for expected in "ALLUSERS	1" "ProductVersion	$version" "UpgradeCode	{$upgrade_code}"; do
    grep -qxF "$expected" <<<"$properties" || fail "the MSI's properties lack '$expected'"
done
(cd "$build" && wixl -a x64 -D Version=0.0.1 -D Deploy=deploy -D Icon=src/app/kordavel-config.ico -D Win64=yes \
    -o "$work/old.msi" "$here/../../resources/windows/kordavel-config.wxs" "$build/msi-files.wxs")
msiexec /i "$(win "$work/old.msi")" /qn
[ "$(entries | awk '{print $NF}')" = 0.0.1 ] || fail "the older MSI is not installed: $(entries)"
start=$(date +%s)
msiexec /i "$(win "$msi")" /qn
echo "the silent upgrade took $(( $(date +%s) - start )) s"
echo "Apps & Features: $(entries)"
[ "$(entries | wc -l)" -eq 1 ] || fail "not one entry after the upgrade: $(entries)"
[ "$(entries | awk '{print $NF}')" = "$version" ] || fail "the entry is not version $version"
for f in kordavel-config.exe Qt6Core.dll platforms/qwindows.dll translations/qtbase_de.qm \
         translations/qtbase_pl.qm licenses/LICENSES.txt README.txt; do
    [ -f "$program_dir/$f" ] || fail "$f is not installed"
done
cmp -s "$program_dir/kordavel-config.exe" "$build/deploy/kordavel-config.exe" ||
    fail "the installed program is not the one built"
shortcut=$(start_menu_entry)
[ -n "$shortcut" ] || fail "no Start-menu entry"
target=$( { strings -n 8 "$shortcut"; strings -n 8 -el "$shortcut"; } | grep -oi 'C:.*kordavel-config\.exe$' | head -n 1 || true)
[ "$target" = 'C:\Program Files\Kordavel Configuration\kordavel-config.exe' ] ||
    fail "the Start-menu entry points to '$target'"
status=0
msiexec /i "$(win "$work/old.msi")" /qn || status=$?
[ "$status" -eq "$refused" ] || fail "the older MSI over the later one ended with $status"
[ "$(entries | awk '{print $NF}')" = "$version" ] || fail "the older MSI replaced the later one"
# The setup program is refused over the MSI's installation, too.
status=0
"$wine" "$setup" /S /AllUsers || status=$?
"$wineserver" -w
[ "$status" -eq "$refused" ] || fail "the setup program over the MSI's installation ended with $status"
[ ! -e "$program_dir/uninstall.exe" ] || fail "the setup program installed over the MSI's installation"
[ "$(entries | wc -l)" -eq 1 ] || fail "the setup program added an entry beside the MSI's: $(entries)"
echo "upgraded in place from 0.0.1 to $version: one entry, the Start-menu entry at the program;" \
     "0.0.1 and the setup program refused over it"

# 3. The installed program, end to end, with the organisation's policy.
KORDAVEL_E2E_PROGRAM='C:\Program Files\Kordavel Configuration\kordavel-config.exe' \
    bash "$here/../e2e/fleet_e2e.sh" windows "$build"

# 4. Uninstalled: what the MSI put there goes, what the user made stays.
user_data=$(find "$drive_c/users" \( -path '*/AppData/Roaming/kordavel-config/*' -o \
    -path '*/AppData/Local/kordavel-config/*' \) -type f -print0 | sort -z | xargs -0 -r sha256sum)
[ -n "$user_data" ] || fail "the end-to-end run left no user data to keep"
grep -q 'configure-record.csv$' <<<"$user_data" || fail "no record after the run"
grep -q 'organisation-standard-copy' <<<"$user_data" || fail "no local copy of the standard after the run"
msiexec /x "$(win "$msi")" /qn
[ -z "$(entries)" ] || fail "the entry is still there: $(entries)"
[ ! -e "$program_dir" ] || fail "files are left in Program Files: $(cd "$program_dir" && find . -type f)"
[ -z "$(start_menu_entry)" ] || fail "the Start-menu entry is still there: $(start_menu_entry)"
after=$(find "$drive_c/users" \( -path '*/AppData/Roaming/kordavel-config/*' -o \
    -path '*/AppData/Local/kordavel-config/*' \) -type f -print0 | sort -z | xargs -0 -r sha256sum)
[ "$after" = "$user_data" ] || fail "the uninstall changed the user's files"
echo "uninstalled: no file, entry or shortcut left; the user's $(wc -l <<<"$user_data") files kept as they were:"
sed 's#^[0-9a-f]*  .*/users/#  users/#' <<<"$user_data"

# 5. Signatures.
unzip -q -o "$zip" "kordavel-config-$version/kordavel-config.exe" -d "$work/zip"
signed=("$build/deploy/kordavel-config.exe" "$work/zip/kordavel-config-$version/kordavel-config.exe"
        "$setup" "$uninstaller_copy" "$msi")
if [ -n "$pkcs12" ]; then
    # Only the certificates the PKCS#12 file holds are trusted: a signature
    # by anyone else does not pass.
    openssl pkcs12 -in "$pkcs12" -passin "file:$password_file" -nokeys -out "$work/ca.pem" 2>/dev/null ||
        openssl pkcs12 -legacy -in "$pkcs12" -passin "file:$password_file" -nokeys -out "$work/ca.pem"
    for f in "${signed[@]}"; do
        osslsigncode verify -CAfile "$work/ca.pem" -in "$f" > "$work/verify.txt" 2>&1 ||
            { cat "$work/verify.txt"; fail "no valid signature on $(basename "$f")"; }
        echo "signed and verified: ${f#"$build"/}" | sed "s#$work/zip/#the zip's #; s#$work/#the installed #"
    done
else
    for f in "${signed[@]}"; do
        answer=$(osslsigncode extract-signature -in "$f" -out "$work/signature.der" 2>&1 || true)
        grep -qiE 'no signature' <<<"$answer" ||
            fail "$(basename "$f") is signed, or could not be read, but the build was given no certificate: $answer"
    done
    echo "no certificate given: the program, the setup program, its uninstaller and the MSI are unsigned"
fi
echo "MSI: refused beside the setup program, upgrade in place, the program end to end, uninstall keeping the user's files: all checks passed"
