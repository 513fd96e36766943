#!/usr/bin/env bash
# Builds the program and its benchmarks in Release mode, then prints the
# table of figures (on a virtual X display of 1280 x 1024). Steps may be
# named: démarrage réponses visionneuse chronomètre.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
export CALKADO_TESTS=1

scripts/preparer.sh build-mesures -DCMAKE_BUILD_TYPE=Release -DCALKADO_MESURES=ON
xvfb-run -a -s "-screen 0 1280x1024x24" build-mesures/calkado-mesures "$@"
