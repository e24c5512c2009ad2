#!/usr/bin/env bash
# Builds Qt 6.4.2 (Core, Gui, Widgets, Test; the windows, offscreen and minimal
# platform plugins; the Vista style) for Windows x86_64 with Debian's mingw-w64,
# from Debian's qt6-base source package, into the folder given as argument.
# The source is fetched through a private apt state folder with a deb-src entry
# for each of the system's deb entries; the system's apt configuration is left
# alone. About 30 minutes on 2 cores.
set -euo pipefail
dest=$(realpath -m "${1:?usage: build-qt-mingw.sh DEST}")
top=$(cd "$(dirname "$0")/.." && pwd)
version=6.4.2+dfsg-10
# Checksums of the source package's files, fixed for this version.
checksums="1b4b5c8610a553d4211fa81e268b1a3b0a6339ae5444fdb7e60d7616da651970  qt6-base_6.4.2+dfsg-10.dsc
4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e  qt6-base_6.4.2+dfsg.orig.tar.xz
d1a2621b1acb1606db7274ccdb96654564cea04af836c5b86da94e150714d16c  qt6-base_6.4.2+dfsg-10.debian.tar.xz"
work=$(dirname "$dest")/qt-mingw-work
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d" \
         "$work/apt/preferences.d" "$work/src"

# deb-src twins of the system's own package sources.
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f"
done > "$work/apt/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f"
done > "$work/apt/sources.list.d/debian-src.sources"
apt_private=(-o Dir::State="$work/apt" -o Dir::State::Lists="$work/apt/lists"
             -o Dir::Cache="$work/apt/cache" -o Dir::Etc::SourceList="$work/apt/sources.list"
             -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
             -o Dir::Etc::Preferences="$work/apt/preferences" -o Dir::Etc::PreferencesParts="$work/apt/preferences.d"
             -o Debug::NoLocking=1)
apt-get "${apt_private[@]}" update
(cd "$work/src" && apt-get "${apt_private[@]}" source --download-only "qt6-base=$version")

# apt-get checked the files against the signed index; check them against this version's too.
(cd "$work/src" && echo "$checksums" | sha256sum --check -)
(cd "$work/src" && dpkg-source --skip-patches -x qt6-base_"$version".dsc qt6-base)
src="$work/src/qt6-base"
# Debian's security fixes; its packaging patches are for Debian's own Linux build.
for p in cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff cve-2023-24607.patch; do
    patch -d "$src" -p1 --forward < "$src/debian/patches/$p"
done

# With direct2d off, qwindows.dll must not use the DirectWrite font database,
# which needs direct2d's classes.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"
[ "$(grep -c 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
     "$src/src/plugins/platforms/windows/qwindowsintegration.cpp")" -eq 2 ]

mkdir -p "$work/build"
cd "$work/build"
"$src/configure" -prefix "$dest" -release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-feature-vulkan -no-direct2d -no-feature-sql -no-feature-network \
    -no-feature-xml -no-feature-concurrent -no-feature-printsupport -no-feature-tabletevent \
    -no-icu -no-feature-zstd -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz \
    -qt-freetype -qt-doubleconversion -qt-host-path /usr -- \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(gcc -print-multiarch)/cmake
ninja -j"$(nproc)"
cmake --install . --strip
cd /
rm -rf "$work"
