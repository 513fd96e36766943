#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs from Debian's packages whatever the build needs and is missing
# (and what the tests and benchmarks need, with CALKADO_TESTS=1), then builds the program
# into build/ (or the folder given); with CALKADO_PAQUET=1, as the Debian package wants it.
# Usage: scripts/preparer.sh [build folder] [extra CMake options...]
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-build}
shift || true

# dpkg-dev and file make the Debian package (dpkg-buildflags, dpkg-shlibdeps);
# Qt's PostgreSQL driver reaches the school's server, with libpq's own
# headers for what the driver does not tell.
paquets=(cmake ninja-build g++ pkg-config
         qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
         libqt6sql6-sqlite libqt6sql6-psql libpq-dev qt6-translations-l10n dpkg-dev file)
# The tests: a real X server, the tools that make and judge the Debian package
# and the sources' licences, clang for the fuzz targets, the X libraries the
# benchmarks watch the display with, and GTK's platform theme with a bus for
# assistive technology (AT-SPI) for the accessibility tests; a PostgreSQL
# server that the school's tests start for themselves; poppler's tools, which
# read back the pages printed to PDF files.
[ "${CALKADO_TESTS:-0}" = 1 ] && paquets+=(xvfb xauth xdotool sqlite3 binutils poppler-utils
                                          lintian reuse git man-db groff-base
                                          desktop-file-utils appstream
                                          clang libclang-rt-dev libxcb1-dev libxcb-damage0-dev
                                          qt6-gtk-platformtheme at-spi2-core dbus-daemon dbus-bin
                                          postgresql postgresql-common locales)

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

# The school's tests also hear the server speak French: its messages need
# the French locale on the machine.
if [ "${CALKADO_TESTS:-0}" = 1 ] && ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi

cd "$racine"
# The Debian package's build (CALKADO_PAQUET=1): the flags dpkg-buildflags
# gives, with every hardening feature (bind-now too), in the build type
# "None" as debhelper uses, so that they are the only ones. CMake has no place
# for CPPFLAGS, which holds _FORTIFY_SOURCE: they go with the compiler's
# flags, as debhelper does. --as-needed keeps out of the package's
# dependencies the libraries that Qt's link interface brings but the programs
# never call (OpenGL's among them).
if [ "${CALKADO_PAQUET:-0}" = 1 ]; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_LDFLAGS_MAINT_APPEND=-Wl,--as-needed
    set -- -DCMAKE_BUILD_TYPE=None \
        "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" "$@"
fi
cmake -S . -B "$construction" -G Ninja "$@"
cmake --build "$construction" --parallel
