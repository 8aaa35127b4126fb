#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root), then configures and builds build/.
# Sourced by ./run and ./test; safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev                           # Widgets, Gui, PrintSupport, Test
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic                   # every user-facing text is Japanese
  poppler-utils                          # the print tests read back their PDF pages
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${PICTURECRAFT_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build_dir" -G Ninja ${PICTURECRAFT_CMAKE_ARGS:-}
cmake --build "$build_dir" -j2
