#!/usr/bin/env bash
# Installs the Debian packages a make target needs, with sudo when not root.
# Idempotent: does nothing when everything is already present.
#   (no option)  building and running the utility, the simulated device and the
#                demo (make run, make build)
#   --test       also the test suite and the other checks of the Linux build
#                (make test, test-sanitize, fuzz, bench, package, soak, startup)
#   --windows    also the Windows build and its tests under wine (make windows)
#   --ci         all of them
set -euo pipefail

# The build (bench/ builds the start-up clock against xcb in every build), the
# fonts of the window and the demo's screenshots, and the virtual X server
# that run.sh starts the utility on when there is no display. lrelease and
# lupdate (qt6-l10n-tools) compile and update the window's translations; the
# toolkit's own translations (qt6-translations-l10n) give its buttons and date
# pickers in the user's language.
packages=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
)

# GoogleTest; Google Benchmark (make bench); xdotool (window captions);
# python3 (trace check, start-up figures); the fake UDisks2 on a private bus;
# srec_cat (HEX files); appstreamcli and dpkg-deb/dpkg-shlibdeps (the Debian
# package); strace (install order); clang with its libFuzzer runtime (make
# fuzz), clang-format and clang-tidy (scripts/check-style.sh); the
# accessibility bus and Debian's own AT-SPI client for python3 (the screen
# reader's view, tests/a11y). The sanitizer
# runtimes of make test-sanitize come with gcc. The stall test (make
# test-stall) serves the device from a file system that holds its calls: FUSE
# (fuse3 for the mount helper fusermount3, libfuse3-dev to build
# tools/stallfs) and python3-xlib to close the window as a window manager does.
# faketime runs the demo on a fixed date for its reference screenshots.
test_packages=(
  libgtest-dev googletest libbenchmark-dev
  xdotool python3
  python3-dbusmock dbus-daemon
  srecord appstream dpkg-dev strace
  clang libclang-rt-14-dev clang-format clang-tidy
  fuse3 libfuse3-dev python3-xlib
  at-spi2-core python3-pyatspi dbus-bin
  faketime
)

# The Windows build and its tests under wine (make windows, make test-windows,
# tools/wincheck/build.sh); dpkg-dev unpacks Qt's source when no prebuilt
# toolkit archive is at hand, python3 checks the traced install order; wixl
# makes the MSI and msitools reads it back; osslsigncode signs the program
# and its installers when a certificate is given (and in CI, with one it makes).
windows_packages=(
  g++-mingw-w64-x86-64-posix ninja-build googletest dpkg-dev python3
  wine64 fonts-wine librsvg2-bin icoutils xvfb xauth xdotool x11-utils nsis
  wixl msitools osslsigncode openssl
)

for arg in "$@"; do
  case "$arg" in
    --test) packages+=("${test_packages[@]}") ;;
    --windows) packages+=("${windows_packages[@]}") ;;
    --ci) packages+=("${test_packages[@]}" "${windows_packages[@]}") ;;
    *) echo "install-deps.sh: unknown option $arg (--test, --windows, --ci)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# A package named in two sets is installed once.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
