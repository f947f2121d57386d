#!/usr/bin/env bash
# Builds the Debian package from a Release build of the program: build/package/kelvarne_*.deb.
# Only the program and its icons are built; the package's dependencies come from the shared
# libraries the binary links (dpkg-shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
kv_ensure_packages "${KV_BUILD_PACKAGES[@]}" "${KV_PACKAGE_PACKAGES[@]}"

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV_BUILD_TESTS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target kelvarne kelvarne_icons
rm -f "$build"/kelvarne_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/kelvarne_*.deb
