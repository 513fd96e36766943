#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures of every window and message box of Calkado, on the light palette
# and on a dark one, taken headless by tests/captures.cpp into
# build-captures/<commit>/ (the teacher's view with its figures too, on a
# PostgreSQL server of its own, when pg_virtualenv is there). Given another
# revision, the same pictures of that revision are taken as well, with the
# same capture program, and the two sets compared to the pixel with
# ImageMagick: the script fails when one picture differs or is missing.
# Usage: scripts/captures.sh [revision]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$racine/build-captures
mkdir -p "$sortie"

# capturer <sources> <build folder> <pictures folder>
capturer() {
    local sources=$1 construction=$2 images=$3
    cmake -S "$sources" -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON > /dev/null
    cmake --build "$construction" --target captures
    rm -rf "$images"
    local ecran="offscreen:configfile=$sources/tests/ecrans/1024x768-96.json"
    for palette in clair sombre; do
        local options=()
        [ "$palette" = clair ] || options=(--sombre)
        QT_QPA_PLATFORM=$ecran LANG=C.UTF-8 LC_ALL=C.UTF-8 \
            "$construction/captures" "$images/$palette" "${options[@]}"
        if command -v pg_virtualenv > /dev/null; then
            QT_QPA_PLATFORM=$ecran LANG=C.UTF-8 LC_ALL=C.UTF-8 \
                "$sources/tests/ecole.sh" "$sources/resources/calkado-postgresql.sql" \
                "$construction/captures" "$images/$palette" --classe "${options[@]}"
        fi
    done
}

ici=$(git -C "$racine" rev-parse --short HEAD)
capturer "$racine" "$racine/build" "$sortie/$ici"
[ $# -ge 1 ] || exit 0

# The other revision's sources, with today's capture program.
autre=$(git -C "$racine" rev-parse --short "$1")
arbre=$sortie/sources-$autre
rm -rf "$arbre"
mkdir -p "$arbre"
git -C "$racine" archive "$autre" | tar -x -C "$arbre"
cp "$racine/tests/captures.cpp" "$arbre/tests/"
grep -q "captures.cpp" "$arbre/tests/CMakeLists.txt" \
    || printf 'qt_add_executable(captures captures.cpp)\ntarget_link_libraries(captures PRIVATE calkado_fenetre_test)\n' \
        >> "$arbre/tests/CMakeLists.txt"
capturer "$arbre" "$sortie/build-$autre" "$sortie/$autre"

echo "Comparaison de $ici avec $autre :"
differentes=0
total=0
declare -A vues=()
for image in $(cd "$sortie/$autre" && find . -name '*.png') $(cd "$sortie/$ici" && find . -name '*.png'); do
    [ -z "${vues[$image]:-}" ] || continue
    vues[$image]=1
    total=$((total + 1))
    if [ ! -f "$sortie/$ici/$image" ] || [ ! -f "$sortie/$autre/$image" ]; then
        echo "  $image : absente d'un côté"
        differentes=$((differentes + 1))
        continue
    fi
    pixels=$(compare -metric AE "$sortie/$autre/$image" "$sortie/$ici/$image" null: 2>&1 || true)
    if [ "$pixels" != 0 ]; then
        echo "  $image : $pixels pixels différents"
        differentes=$((differentes + 1))
    fi
done
echo "$total images, $differentes différentes"
[ "$differentes" -eq 0 ]
