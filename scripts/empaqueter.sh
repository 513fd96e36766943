#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package as Debian's own tools would: scripts/preparer.sh
# installs what is missing and builds the programs in a folder of their own
# with the flags dpkg-buildflags gives (CALKADO_PAQUET=1), then CPack packs
# them, strips them and asks dpkg-shlibdeps which packages hold the libraries
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

# Each step's output goes to a log, shown if the step fails.
journal=$construction/empaqueter.log
: > "$journal"
etape() {
    "$@" >>"$journal" 2>&1 || { cat "$journal" >&2; echo "Échec de : $*" >&2; exit 1; }
}

CALKADO_PAQUET=1 etape "$racine/scripts/preparer.sh" "$construction" -DBUILD_TESTING=OFF
etape cpack -G DEB -B "$sortie" --config "$construction/CPackConfig.cmake"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$construction/CMakeCache.txt")
paquet=$sortie/calkado_${version}_$(dpkg --print-architecture).deb
[ -f "$paquet" ] || { cat "$journal" >&2; echo "CPack n'a pas fait $paquet" >&2; exit 1; }
echo "$paquet"
