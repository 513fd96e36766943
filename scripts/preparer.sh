#!/usr/bin/env bash
# Installs from Debian's packages whatever the build needs and is missing
# (and what the tests and benchmarks need, with CALKADO_TESTS=1), then builds the program
# into build/ (or the folder given).
# Usage: scripts/preparer.sh [build folder] [extra CMake options...]
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-build}
shift || true

paquets=(cmake ninja-build g++ pkg-config
         qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
         libqt6sql6-sqlite)
# The tests: a real X server, the tools that make and judge the Debian package
# and the sources' licences, clang for the fuzz targets, and the X libraries
# the benchmarks watch the display with.
[ "${CALKADO_TESTS:-0}" = 1 ] && paquets+=(xvfb xauth xdotool sqlite3 binutils
                                          dpkg-dev file lintian reuse git man-db groff-base
                                          desktop-file-utils appstream
                                          clang libclang-rt-dev libxcb1-dev libxcb-damage0-dev)

manquants=()
for paquet in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" \
        || manquants+=("$paquet")
done
if ((${#manquants[@]})); then
    echo "Installation de : ${manquants[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # Another install on this machine may hold apt's locks for a while:
    # wait for them, and try again a few times.
    apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 "$@"; }
    for essai in 1 2 3; do
        if apt_get update && apt_get install -y --no-install-recommends "${manquants[@]}"; then
            break
        fi
        [ "$essai" -lt 3 ] || { echo "Échec de l'installation de : ${manquants[*]}" >&2; exit 1; }
        sleep 30
    done
fi

cd "$racine"
cmake -S . -B "$construction" -G Ninja "$@"
cmake --build "$construction" --parallel
