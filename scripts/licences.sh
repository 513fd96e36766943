#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file git tracks that can hold a comment, and says nothing of its
# licence yet, the two lines that name its copyright holder and its licence,
# in its own comment syntax (after a "#!" or "<?xml" first line). Running it
# again changes nothing. Files that cannot hold a comment (pictures, fonts,
# JSON screens, fuzz inputs, the package's changelog and copyright) are
# described in .reuse/dep5 instead; `reuse lint` checks both.
# Usage: scripts/licences.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# REUSE-IgnoreStart
detenteur="2026 L'équipe Calkado <equipe@calkado.org>"
marque="SPDX-License-Identifier:"

# The comment opener for a file, or nothing when it cannot hold a comment.
commentaire() {
    local fichier=$1
    case ${fichier##*/} in
        *.cpp | *.h | *.c) echo "//" ;;
        *.sql) echo "--" ;;
        *.md | *.xml | *.svg | *.html | *.qrc | *.ui) echo "<!--" ;;
        *.[1-8]) echo '.\"' ;;
        *.sh | *.cmake | *.py | *.yml | *.yaml | *.supp | *.desktop \
            | CMakeLists.txt | .gitignore | .gitattributes) echo "#" ;;
        *)
            # A script without an ending: its first line says so.
            if [ "$(head -c 2 -- "$fichier" | tr -d '\0')" = "#!" ]; then echo "#"; fi
            ;;
    esac
}

# The metadata for software centres is free of any condition; the rest of
# Calkado is under the GPL.
licence() {
    case $1 in
        *.metainfo.xml) echo "CC0-1.0" ;;
        *) echo "GPL-3.0-or-later" ;;
    esac
}

modifies=0
while IFS= read -r -d '' fichier; do
    case $fichier in LICENSES/* | .reuse/*) continue ;; esac
    [ -f "$fichier" ] && [ ! -L "$fichier" ] || continue
    grep -qF -- "$marque" "$fichier" && continue
    ouvre=$(commentaire "$fichier")
    [ -n "$ouvre" ] || continue
    ferme=""
    [ "$ouvre" = "<!--" ] && ferme=" -->"

    # The header goes after a first line that must stay first.
    premiere=$(head -n 1 -- "$fichier")
    garder=0
    case $premiere in '#!'* | '<?xml'*) garder=1 ;; esac

    temporaire=$(mktemp)
    {
        head -n "$garder" -- "$fichier"
        printf '%s SPDX-FileCopyrightText: %s%s\n' "$ouvre" "$detenteur" "$ferme"
        printf '%s %s %s%s\n' "$ouvre" "$marque" "$(licence "$fichier")" "$ferme"
        if [ -n "$(tail -n "+$((garder + 1))" -- "$fichier" | head -c 1)" ]; then
            echo
            tail -n "+$((garder + 1))" -- "$fichier"
        fi
    } > "$temporaire"
    # Written over in place, so that the file keeps its mode.
    cat "$temporaire" > "$fichier"
    rm -f "$temporaire"
    echo "En-tête ajouté : $fichier"
    modifies=$((modifies + 1))
done < <(git ls-files -z)
# REUSE-IgnoreEnd

echo "$modifies fichier(s) modifié(s)"
