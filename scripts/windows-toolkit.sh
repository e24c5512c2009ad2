#!/usr/bin/env bash
# Makes the Windows toolkit available in a cache folder outside the repository
# and prints its two folders, separated by ";" (a CMake prefix path), on its
# last line:
#   <cache>/qt-<version>-mingw64    Qt for Windows x86_64 (mingw-w64), the version
#                                   of the host's Qt (its tools build for both)
#   <cache>/googletest-mingw64      GoogleTest built with the same compilers
# Qt comes from the prebuilt archive when there is one (KORDAVEL_QT_ARCHIVE, or
# shared/windows/ beside the repository), its checksum verified; otherwise it is
# built from Debian's source package by build-qt-mingw.sh (about 30 minutes).
# The cache folder is KORDAVEL_CACHE, by default ~/.cache/kordavel.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${KORDAVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kordavel}
# The host's Qt version: moc, rcc and uic of the host build for Windows too.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+~-].*//')
[ -n "$qt_version" ] || { echo "windows toolkit: qt6-base-dev is not installed" >&2; exit 1; }
qt="$cache/qt-$qt_version-mingw64"
gtest="$cache/googletest-mingw64"
archive_sha256=83061b4c4f3da76d70835a5ec039ea2b7bb7cb2ba203f4fd6f1631b3ca02bb6f
mkdir -p "$cache"

log() { echo "windows toolkit: $*" >&2; }

if [ ! -f "$qt/.complete" ]; then
    archive=${KORDAVEL_QT_ARCHIVE:-$top/../shared/windows/qt-$qt_version-mingw64.tar.xz}
    rm -rf "$qt" "$qt.partial"
    if [ -f "$archive" ]; then
        log "unpacking $(basename "$archive")"
        echo "$archive_sha256  $archive" | sha256sum --check --quiet - >&2 ||
            { log "checksum of $archive does not match"; exit 1; }
        mkdir -p "$qt.partial"
        tar -xJf "$archive" -C "$qt.partial" --strip-components=1
    else
        log "no prebuilt archive: building Qt from Debian's source package"
        bash "$top/scripts/build-qt-mingw.sh" "$qt.partial" >&2
    fi
    [ -f "$qt.partial/lib/cmake/Qt6/Qt6Config.cmake" ] || { log "Qt is incomplete"; exit 1; }
    touch "$qt.partial/.complete"
    mv "$qt.partial" "$qt"
fi

if [ ! -f "$gtest/.complete" ]; then
    [ -d /usr/src/googletest ] || { log "/usr/src/googletest is missing (Debian package googletest)"; exit 1; }
    log "building GoogleTest for mingw-w64"
    rm -rf "$gtest" "$cache/googletest-build"
    cmake -S /usr/src/googletest -B "$cache/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >&2
    cmake --build "$cache/googletest-build" >&2
    cmake --install "$cache/googletest-build" >&2
    rm -rf "$cache/googletest-build"
    touch "$gtest/.complete"
fi

echo "$qt;$gtest"
