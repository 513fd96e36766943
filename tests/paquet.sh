#!/usr/bin/env bash
# The Debian package as a user gets it: made with CPack from the build tree,
# unpacked into a throw-away root, its files, control fields, desktop entry and
# metainfo checked; then its launcher run under Xvfb for new users, whose
# folder, link and store it must make, keep and keep apart. A plain
# `cmake --install` beside it still lays out the program's own folder.
# Usage: tests/paquet.sh <build folder> <package version> <version in the title>
set -euo pipefail

ID=org.calkado.calkado
TAILLES=(16 32 48 64 128 256)

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

# What a saved training looks like in the store, for the runs below.
ligne_enregistree() {
    sqlite3 "$1" "INSERT INTO TCalkado (DateHeure, Multiplicateur1a12, \"Aléatoire\", NumLivret,
        NbQuestionParLivret, NbQuestionEssai1, TempsTotalEssai1, NbQuestionEssai2, \"NbQuestionRéponse\")
        VALUES ('2024-03-05 10:20:30', 0, 1, 7, 4, 3, 95, 1, 0);"
}

nombre_lignes() {
    sqlite3 "$1" 'SELECT COUNT(*) FROM TCalkado;'
}

# A store the launcher made: a SQLite file holding the table of the schema.
verifier_base() {
    local base=$1
    [ -f "$base" ] && [ ! -L "$base" ] || echec "pas de fichier des résultats $base"
    [ "$(head -c 15 "$base")" = "SQLite format 3" ] || echec "$base n'est pas une base SQLite"
    [ "$(sqlite3 "$base" "SELECT name FROM sqlite_master WHERE type = 'table';")" = TCalkado ] \
        || echec "$base ne contient pas la table TCalkado"
}

# The user's folder: private, with a link to the unpacked program and a store.
verifier_dossier() {
    local dossier=$1 racine=$2
    [ -d "$dossier" ] || echec "le lanceur n'a pas créé $dossier"
    [ "$(stat -c %a "$dossier")" = 700 ] || echec "$dossier n'est pas réservé à son utilisateur"
    [ -L "$dossier/Calkado" ] || echec "pas de lien Calkado dans $dossier"
    [ "$(readlink "$dossier/Calkado")" = "$racine/opt/calkado/Calkado" ] \
        || echec "le lien Calkado désigne $(readlink "$dossier/Calkado")"
    verifier_base "$dossier/CalkadoVa.sqlite"
}

# Runs the launcher as the user whose HOME and XDG_DATA_HOME are given (an
# empty one is unset), waits for the main window, then closes the program.
lancer() {
    local maison=$1 donnees=$2 lanceur=$3 titre=$4
    (
        export HOME=$maison
        if [ -n "$donnees" ]; then export XDG_DATA_HOME=$donnees; else unset XDG_DATA_HOME; fi
        cd /
        exec "$lanceur"
    ) &
    local programme=$! fenetre="" fin=$((SECONDS + 60))
    while ((SECONDS < fin)); do
        fenetre=$(xdotool search --onlyvisible --name "^${titre}" 2>/dev/null | head -n 1) || true
        [ -n "$fenetre" ] && break
        kill -0 "$programme" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$fenetre" ]; then
        kill "$programme" 2>/dev/null || true
        wait "$programme" || true
        echec "la fenêtre principale ne s'est pas montrée (HOME=$maison)"
    fi
    xdotool search --class '^Calkado$' >/dev/null \
        || echec "la fenêtre n'a pas la classe Calkado de l'entrée de bureau"
    kill "$programme"
    wait "$programme" || true
}

# Under Xvfb: the runs of the launcher of the unpacked package.
lancements() {
    local racine=$1 travail=$2 titre=$3
    local lanceur=$racine/usr/bin/calkado
    unset QT_QPA_PLATFORM

    # A first user, in a home with spaces in its name; a relative
    # XDG_DATA_HOME counts as none.
    local maison1="$travail/maison de Léa"
    local dossier1="$maison1/.local/share/calkado"
    mkdir -p "$maison1"
    lancer "$maison1" "pas/absolu" "$lanceur" "$titre"
    verifier_dossier "$dossier1" "$racine"
    [ "$(nombre_lignes "$dossier1/CalkadoVa.sqlite")" = 0 ] || echec "le nouveau fichier des résultats n'est pas vide"

    # Started again, with a saved training and a link left from an older place
    # of the program: the link is made again, the store is kept as it is.
    ligne_enregistree "$dossier1/CalkadoVa.sqlite"
    local avant
    avant=$(sha256sum < "$dossier1/CalkadoVa.sqlite")
    ln -sfn /ailleurs/Calkado "$dossier1/Calkado"
    lancer "$maison1" "" "$lanceur" "$titre"
    verifier_dossier "$dossier1" "$racine"
    [ "$(sha256sum < "$dossier1/CalkadoVa.sqlite")" = "$avant" ] \
        || echec "le lanceur a modifié le fichier des résultats existant"

    # A second user, whose data home is elsewhere, gets a store of their own.
    local maison2="$travail/maison de Sam"
    local dossier2="$travail/données de Sam/calkado"
    mkdir -p "$maison2"
    lancer "$maison2" "$travail/données de Sam" "$lanceur" "$titre"
    verifier_dossier "$dossier2" "$racine"
    [ "$(nombre_lignes "$dossier2/CalkadoVa.sqlite")" = 0 ] || echec "le second utilisateur voit des résultats"
    [ "$(nombre_lignes "$dossier1/CalkadoVa.sqlite")" = 1 ] || echec "les résultats du premier utilisateur ont changé"
    [ ! -e "$maison2/.local/share/calkado" ] || echec "le lanceur a ignoré XDG_DATA_HOME"
}

if [ "${1:-}" = --lancements ]; then
    shift
    lancements "$@"
    exit 0
fi

construction=$(cd "$1" && pwd)
version=$2
titre="Calkado   -   Version ${3//./\\.}   -   "

manquants=()
for outil in cmake cpack dpkg-deb desktop-file-validate appstreamcli xvfb-run xdotool sqlite3 objdump ldd; do
    command -v "$outil" >/dev/null || manquants+=("$outil")
done
if ((${#manquants[@]})); then
    echo "Outils manquants (scripts/preparer.sh les installe avec CALKADO_TESTS=1) : ${manquants[*]}"
    exit 77
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# A plain install, for comparison: a folder of its own with the program and an
# empty store, and nothing of the package.
cmake --install "$construction" --prefix "$travail/dossier" >"$travail/install.log" 2>&1 \
    || { cat "$travail/install.log"; echec "cmake --install"; }
[ "$(cd "$travail/dossier" && find . | sort | tr '\n' ' ')" = ". ./Calkado ./CalkadoVa.sqlite " ] \
    || echec "cmake --install a déposé : $(cd "$travail/dossier" && find . | tr '\n' ' ')"
verifier_base "$travail/dossier/CalkadoVa.sqlite"
[ "$(nombre_lignes "$travail/dossier/CalkadoVa.sqlite")" = 0 ] || echec "le fichier des résultats installé n'est pas vide"

# The package, made from the build tree as a release would make it.
cpack -G DEB -B "$travail/cpack" --config "$construction/CPackConfig.cmake" >"$travail/cpack.log" 2>&1 \
    || { cat "$travail/cpack.log"; echec "cpack"; }
deb=$travail/cpack/calkado_${version}_amd64.deb
[ -f "$deb" ] || echec "pas de paquet calkado_${version}_amd64.deb"

champ() { dpkg-deb -f "$deb" "$1"; }
[ "$(champ Package)" = calkado ] || echec "nom du paquet : $(champ Package)"
[ "$(champ Version)" = "$version" ] || echec "version du paquet : $(champ Version)"
[ "$(champ Architecture)" = amd64 ] || echec "architecture : $(champ Architecture)"
[ "$(champ Section)" = education ] || echec "section : $(champ Section)"
[ -n "$(champ Maintainer)" ] && [ -n "$(champ Description)" ] || echec "responsable ou description manquants"

racine=$travail/racine
dpkg-deb -x "$deb" "$racine"

# Exactly these files, and no store: each user gets their own.
attendus=(
    ./opt/calkado/Calkado
    ./opt/calkado/CalkadoVa.sql
    ./opt/calkado/calkado
    ./opt/calkado/calkado-base
    ./usr/bin/calkado
    ./usr/share/applications/$ID.desktop
    ./usr/share/doc/calkado/LICENCE-ComicNeue.txt
    ./usr/share/doc/calkado/LICENCE-LiberationSans.txt
    ./usr/share/icons/hicolor/scalable/apps/$ID.svg
    ./usr/share/metainfo/$ID.metainfo.xml
)
for taille in "${TAILLES[@]}"; do
    attendus+=("./usr/share/icons/hicolor/${taille}x${taille}/apps/$ID.png")
done
diff <(printf '%s\n' "${attendus[@]}" | sort) \
     <(cd "$racine" && find . \( -type f -o -type l \) | sort) \
    || echec "les fichiers du paquet ne sont pas ceux attendus"
for programme in Calkado calkado calkado-base; do
    [ -x "$racine/opt/calkado/$programme" ] || echec "/opt/calkado/$programme n'est pas exécutable"
done
[ "$(readlink -f "$racine/usr/bin/calkado")" = "$racine/opt/calkado/calkado" ] \
    || echec "/usr/bin/calkado ne mène pas au lanceur"
sh -n "$racine/opt/calkado/calkado" || echec "le lanceur n'est pas un script sh valide"

# The icon at each size it claims.
for taille in "${TAILLES[@]}"; do
    png=$racine/usr/share/icons/hicolor/${taille}x${taille}/apps/$ID.png
    read -r -a octets < <(od -An -tu1 -j16 -N8 "$png")
    largeur=$(( octets[2] * 256 + octets[3] ))
    hauteur=$(( octets[6] * 256 + octets[7] ))
    [ "$largeur x $hauteur" = "$taille x $taille" ] || echec "icône $taille : $largeur x $hauteur"
done

# The desktop entry and the metainfo, as the desktop and the software
# centres read them.
entree=$racine/usr/share/applications/$ID.desktop
metainfo=$racine/usr/share/metainfo/$ID.metainfo.xml
desktop-file-validate "$entree" || echec "entrée de bureau refusée"
appstreamcli validate --no-net "$metainfo" || echec "metainfo refusée"
for ligne in "Name=Calkado" "Exec=calkado" "Icon=$ID" "Terminal=false" "Categories=Education;Math;"; do
    grep -qxF "$ligne" "$entree" || echec "l'entrée de bureau n'a pas $ligne"
done
grep -q '^Comment=.*tables de multiplication' "$entree" || echec "pas de commentaire en français"
grep -qF "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" \
    || echec "la metainfo ne lance pas $ID.desktop"
premiere=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1)
[ "$premiere" = "<release version=\"$version\"" ] \
    || echec "la dernière version de la metainfo n'est pas $version : $premiere"

# Every library the programs are linked with comes from a package the package
# depends on, and so do the plugins no link shows: the SQLite driver and the
# X11 platform.
depends=$(champ Depends)
depend_de() {
    local paquet=${1%%:*}
    [[ ", $depends," == *", $paquet "* || ", $depends," == *", $paquet,"* ]] \
        || echec "le paquet ne dépend pas de $paquet (qui fournit $2)"
}
# With /usr merged, dpkg may know a library by its path with or without /usr.
paquet_de() {
    local vrai candidat
    vrai=$(readlink -f "$1")
    for candidat in "$1" "$vrai" "${vrai#/usr}" "/usr$1"; do
        dpkg -S "$candidat" 2>/dev/null | head -n 1 | cut -d: -f1 && return
    done
    echec "aucun paquet ne fournit $1"
}
for programme in Calkado calkado-base; do
    fichier=$racine/opt/calkado/$programme
    liens=$(ldd "$fichier")
    for bibliotheque in $(objdump -p "$fichier" | awk '$1 == "NEEDED" { print $2 }'); do
        chemin=$(awk -v b="$bibliotheque" '$1 == b && $2 == "=>" { print $3 }' <<<"$liens")
        [ -n "$chemin" ] || echec "$bibliotheque introuvable pour $programme"
        depend_de "$(paquet_de "$chemin")" "$bibliotheque"
    done
done
for extension in sqldrivers/libqsqlite.so platforms/libqxcb.so; do
    depend_de "$(dpkg -S "*/qt6/plugins/$extension" | head -n 1 | cut -d: -f1)" "$extension"
done

xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --lancements "$racine" "$travail" "$titre"

# A data home that cannot hold a folder: a clear message, and no program.
touch "$travail/fichier"
if sortie=$(HOME="$travail" XDG_DATA_HOME="$travail/fichier" "$racine/usr/bin/calkado" 2>&1); then
    echec "le lanceur a réussi sans dossier"
fi
[[ "$sortie" == *"impossible de créer le dossier"*"$travail/fichier/calkado"* ]] \
    || echec "message du lanceur sans dossier : $sortie"

echo "Paquet calkado_${version}_amd64.deb vérifié"
