#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it holds.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
fail=0
for f in ./usr/bin/kordavel-config \
         ./usr/share/applications/kordavel-config.desktop \
         ./usr/share/metainfo/io.kordavel.config.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/kordavel-config.svg \
         ./usr/share/icons/hicolor/48x48/apps/kordavel-config.png \
         ./usr/share/icons/hicolor/256x256/apps/kordavel-config.png; do
    grep -qx "$f" <<<"$contents" || { echo "missing in the package: $f"; fail=1; }
done
grep -q -E '^\./usr/(bin|share)/.*(test_|kordavel-demo|kordavel-device-sim)' <<<"$contents" &&
    { echo "test or tool programs must not be packaged"; fail=1; }
[ "$(dpkg-deb -f "$deb" Package)" = kordavel-config ] || { echo "wrong package name"; fail=1; }
[ "$(dpkg-deb -f "$deb" Version)" = 0.1.19 ] || { echo "wrong version"; fail=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-translations-l10n; do
    grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; fail=1; }
done
if command -v appstreamcli >/dev/null; then
    dpkg-deb -x "$deb" "$out/root"
    appstreamcli validate --no-net "$out/root/usr/share/metainfo/io.kordavel.config.metainfo.xml" >/dev/null ||
        { echo "metainfo does not validate"; fail=1; }
fi
[ $fail -eq 0 ] && echo "package ok: $(basename "$deb"), Depends: $depends"
exit $fail
