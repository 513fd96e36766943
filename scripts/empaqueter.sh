#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package as Debian's own tools would: the programs compiled
# and linked with the flags dpkg-buildflags gives (every hardening feature,
# bind-now included), in a build folder of their own, then packed by CPack,
# which strips them and asks dpkg-shlibdeps which packages hold the libraries
# they link. Prints the path of the package made.
# Usage: scripts/empaqueter.sh [build folder] [folder for the package]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build-paquet}
mkdir -p "$construction"
construction=$(cd "$construction" && pwd)
sortie=${2:-$construction}
mkdir -p "$sortie"
sortie=$(cd "$sortie" && pwd)
cd "$racine"

# --as-needed keeps out of the package's dependencies the libraries that Qt's
# link interface brings but the programs never call (OpenGL's among them).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_LDFLAGS_MAINT_APPEND=-Wl,--as-needed
drapeau() { dpkg-buildflags --get "$1"; }
# CMake has no place for CPPFLAGS, which holds _FORTIFY_SOURCE: they go with
# the compiler's flags, as debhelper does. Given on the command line, they
# replace whatever an earlier run left in the cache.
options=(-DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF
         "-DCMAKE_CXX_FLAGS=$(drapeau CXXFLAGS) $(drapeau CPPFLAGS)"
         "-DCMAKE_EXE_LINKER_FLAGS=$(drapeau LDFLAGS)")

# Each step's output goes to a log, shown if the step fails.
journal=$construction/empaqueter.log
: > "$journal"
etape() {
    "$@" >>"$journal" 2>&1 || { cat "$journal" >&2; echo "Échec de : $*" >&2; exit 1; }
}

# Build type "None", as debhelper: the flags are dpkg-buildflags' alone.
etape cmake -S "$racine" -B "$construction" -G Ninja "${options[@]}"
etape cmake --build "$construction" --parallel
etape cpack -G DEB -B "$sortie" --config "$construction/CPackConfig.cmake"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
paquet=$sortie/calkado_${version}_$(dpkg --print-architecture).deb
[ -f "$paquet" ] || { cat "$journal" >&2; echo "CPack n'a pas fait $paquet" >&2; exit 1; }
echo "$paquet"
