#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the program's icon, paquet/icones/org.calkado.calkado.svg, to the
# PNG sizes the package installs beside it. Run it after changing the drawing
# and commit the pictures: the build itself needs nothing but CMake and Qt.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
icones=$racine/paquet/icones
command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert manque : sudo apt-get install librsvg2-bin" >&2
    exit 1
}
for cote in 16 32 48 64 128 256; do
    rsvg-convert -w "$cote" -h "$cote" -o "$icones/org.calkado.calkado-$cote.png" \
        "$icones/org.calkado.calkado.svg"
done
