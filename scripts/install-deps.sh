#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: does nothing when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth xdotool x11-utils libxcb1-dev
  python3-dbusmock dbus-daemon
  srecord appstream dpkg-dev strace python3
  fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-14-dev clang-format clang-tidy
  g++-mingw-w64-x86-64-posix
)

# The Windows build and its tests under wine (make windows, make test-windows, CI).
windows_packages=(
  g++-mingw-w64-x86-64-posix ninja-build googletest
  wine64 fonts-wine librsvg2-bin icoutils xvfb xauth xdotool x11-utils nsis
)
for arg in "$@"; do
  case "$arg" in
    --ci|--windows) packages+=("${windows_packages[@]}") ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

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
