#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and its benchmarks in Release mode, then prints the
# table of figures (on a virtual X display of 1280 x 1024). Steps may be
# named: démarrage réponses visionneuse jour papier chronomètre classe année
# simulation. The school's steps (classe, année) run on a PostgreSQL server
# made for them, as the tests' is; the simulated children print a table of
# their own, without a display.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
export CALKADO_TESTS=1

scripts/preparer.sh build-mesures -DCMAKE_BUILD_TYPE=Release -DCALKADO_MESURES=ON
mesures=(xvfb-run -a -s "-screen 0 1280x1024x24" build-mesures/calkado-mesures)
etapes=("$@")
[ ${#etapes[@]} -gt 0 ] || etapes=(démarrage réponses visionneuse jour papier chronomètre classe année simulation)
locales=()
ecole=()
simulation=0
for e in "${etapes[@]}"; do
    case "$e" in
        classe|année) ecole+=("$e") ;;
        simulation) simulation=1 ;;
        *) locales+=("$e") ;;
    esac
done
[ ${#locales[@]} -eq 0 ] || "${mesures[@]}" "${locales[@]}"
[ ${#ecole[@]} -eq 0 ] || tests/ecole.sh resources/calkado-postgresql.sql "${mesures[@]}" "${ecole[@]}"
[ $simulation -eq 0 ] || build-mesures/calkado-simulation
