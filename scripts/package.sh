#!/usr/bin/env bash
# Builds the Debian package build/package/wetterpult_VERSION_ARCH.deb: installs what is missing,
# builds the programs in release mode (build/package) and packs them with CPack.
# An existing build folder as argument (e.g. build/ci) is reused instead: it gets the install
# prefix /usr and the package's files, and only what is missing is built.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev: dpkg-shlibdeps finds the library packages; file: CPack finds the programs with it.
scripts/install-deps.sh dpkg-dev file help2man
out=build/package

if [ $# -ge 1 ]; then
  build=$1
  cmake -S . -B "$build" -DCMAKE_INSTALL_PREFIX=/usr -DWETTERPULT_PACKAGE=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
else
  build=$out
  if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  fi
  # Debian's hardening flags, as its own packages get them (read when build/package is made).
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  export CXXFLAGS="${CXXFLAGS:-$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)}"
  export LDFLAGS="${LDFLAGS:-$(dpkg-buildflags --get LDFLAGS)}"
  cmake --preset package >/dev/null
  cmake --build --preset package -j "$(nproc)"
fi

rm -f "$out"/wetterpult_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
ls "$out"/wetterpult_*.deb
