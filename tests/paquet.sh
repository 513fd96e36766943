#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package as a user gets it. First the sources' licences, as
# `reuse lint` reads the files git tracks. Then the package, made by
# scripts/empaqueter.sh as a release makes it, judged by lintian, its control
# fields, desktop entry, metainfo, manual page and changelog checked; installed
# by dpkg into a throw-away root, where its files are listed, its launcher
# answers --version and --help, and starts the program under Xvfb for new
# users and for a user of the version that lived in /opt; then removed. A
# plain `cmake --install` beside it still lays out the program's own folder.
# Usage: tests/paquet.sh <build folder> <project version> <version in the title>
set -euo pipefail

ID=org.calkado.calkado
TAILLES=(16 32 48 64 128 256)
PROGRAMMES=usr/lib/calkado
SOURCES=$(cd "$(dirname "$0")/.." && pwd)

# The tags lintian may still give, none of them an error or a warning; the
# README's developer part says why each one stays.
TAGS_ADMIS=(executable-in-usr-lib hardening-no-fortify-functions)

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

# A store the launcher made: a SQLite file holding the tables of the schema.
verifier_base() {
    local base=$1
    [ -f "$base" ] && [ ! -L "$base" ] || echec "pas de fichier des résultats $base"
    [ "$(head -c 15 "$base")" = "SQLite format 3" ] || echec "$base n'est pas une base SQLite"
    [ "$(sqlite3 "$base" "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master
                           WHERE type = 'table' ORDER BY name);")" = "TCalkado TFait TMemoire" ] \
        || echec "$base ne contient pas les tables TCalkado, TFait et TMemoire"
}

# The user's folder: private, with a link to the installed program and a store.
verifier_dossier() {
    local dossier=$1 racine=$2
    [ -d "$dossier" ] || echec "le lanceur n'a pas créé $dossier"
    [ "$(stat -c %a "$dossier")" = 700 ] || echec "$dossier n'est pas réservé à son utilisateur"
    [ -L "$dossier/Calkado" ] || echec "pas de lien Calkado dans $dossier"
    [ "$(readlink "$dossier/Calkado")" = "$racine/$PROGRAMMES/Calkado" ] \
        || echec "le lien Calkado désigne $(readlink "$dossier/Calkado")"
    verifier_base "$dossier/CalkadoVa.sqlite"
}

# Runs the launcher as the user whose HOME and XDG_DATA_HOME are given (an
# empty one is unset), waits for the main window, then closes the program.
# Further arguments go to the launcher; with "--touche K" first, « Qui
# s'entraîne ? » (a family of two) must come first, and the key K chooses
# the child.
lancer() {
    local maison=$1 donnees=$2 lanceur=$3 titre=$4 touche=""
    shift 4
    if [ "${1:-}" = --touche ]; then
        touche=$2
        shift 2
    fi
    (
        export HOME=$maison
        if [ -n "$donnees" ]; then export XDG_DATA_HOME=$donnees; else unset XDG_DATA_HOME; fi
        cd /
        exec "$lanceur" "$@"
    ) &
    local programme=$!
    if [ -n "$touche" ]; then
        attendre_fenetre "$programme" "^Qui s'entraîne" "« Qui s'entraîne ? »"
        xdotool key "$touche"
    fi
    attendre_fenetre "$programme" "^${titre}" "la fenêtre principale"
    xdotool search --class '^Calkado$' >/dev/null \
        || echec "la fenêtre n'a pas la classe Calkado de l'entrée de bureau"
    kill "$programme"
    wait "$programme" || true
}

# Sets fenetre to the first visible window whose title matches, within a minute.
attendre_fenetre() {
    local programme=$1 nom=$2 quoi=$3 fin=$((SECONDS + 60))
    fenetre=""
    while ((SECONDS < fin)); do
        fenetre=$(xdotool search --onlyvisible --name "$nom" 2>/dev/null | head -n 1) || true
        [ -n "$fenetre" ] && return
        kill -0 "$programme" 2>/dev/null || break
        sleep 0.1
    done
    kill "$programme" 2>/dev/null || true
    wait "$programme" || true
    echec "$quoi ne s'est pas montrée (HOME=$maison)"
}

# Under Xvfb: the runs of the installed launcher.
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

    # A user of the version installed in /opt/calkado: their folder, made by
    # its launcher, links to a program that is no longer there, and holds
    # their saved trainings. The link is mended; the trainings stay.
    local maison3="$travail/maison d'Eva"
    local dossier3="$maison3/.local/share/calkado"
    mkdir -p "$dossier3"
    chmod 700 "$dossier3"
    ln -s /opt/calkado/Calkado "$dossier3/Calkado"
    "$racine/$PROGRAMMES/calkado-base" "$racine/usr/share/calkado/CalkadoVa.sql" "$dossier3/CalkadoVa.sqlite"
    ligne_enregistree "$dossier3/CalkadoVa.sqlite"
    avant=$(sha256sum < "$dossier3/CalkadoVa.sqlite")
    lancer "$maison3" "" "$lanceur" "$titre"
    verifier_dossier "$dossier3" "$racine"
    [ "$(sha256sum < "$dossier3/CalkadoVa.sqlite")" = "$avant" ] \
        || echec "les résultats de l'utilisateur de /opt ont changé"
    [ "$(nombre_lignes "$dossier3/CalkadoVa.sqlite")" = 1 ] || echec "l'utilisateur de /opt a perdu ses résultats"

    # A family of two children in the first user's folder: « Qui s'entraîne ? »
    # comes first, and the digit 2 opens Léo's window; --enfant, passed through
    # by the launcher, opens it at once.
    famille "$dossier1" "$racine"
    lancer "$maison1" "" "$lanceur" "$titre" --touche 2
    lancer "$maison1" "" "$lanceur" "$titre" --enfant léo
}

# The first user's family: Zoé with the account's file, Léo with his own.
famille() {
    local dossier=$1 racine=$2
    printf '%s\n' '{"enfants": [{"prenom": "Zoé", "numero": 1}, {"prenom": "Léo", "numero": 2}], "retires": []}' \
        > "$dossier/CalkadoEnfants.json"
    "$racine/$PROGRAMMES/calkado-base" "$racine/usr/share/calkado/CalkadoVa.sql" "$dossier/CalkadoVa-2.sqlite"
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
for outil in cmake cpack dpkg dpkg-deb dpkg-shlibdeps dpkg-buildflags dpkg-parsechangelog lintian \
             reuse git file desktop-file-validate appstreamcli man xvfb-run xdotool sqlite3 objdump ldd; do
    command -v "$outil" >/dev/null || manquants+=("$outil")
done
if ((${#manquants[@]})); then
    echo "Outils manquants (scripts/preparer.sh les installe avec CALKADO_TESTS=1) : ${manquants[*]}"
    exit 77
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# Licences: every file git tracks says its own, or .reuse/dep5 says it. Read
# from a copy of those files alone, so that nothing a build or an editor left
# in the tree counts.
git -C "$SOURCES" rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    || echec "$SOURCES n'est pas un dépôt git : reuse lint ne peut pas savoir quels fichiers en font partie"
mkdir "$travail/sources"
(
    cd "$SOURCES"
    # A tracked file deleted in the work tree is not there to copy.
    git ls-files -z | while IFS= read -r -d '' fichier; do
        [ -e "$fichier" ] && printf '%s\0' "$fichier"
    done | xargs -0 cp --parents -t "$travail/sources"
) || echec "copie des fichiers suivis par git"
reuse --root "$travail/sources" lint >"$travail/reuse.log" 2>&1 \
    || { cat "$travail/reuse.log"; echec "reuse lint"; }

# A plain install, for comparison: a folder of its own with the program and an
# empty store, and nothing of the package.
cmake --install "$construction" --prefix "$travail/dossier" >"$travail/install.log" 2>&1 \
    || { cat "$travail/install.log"; echec "cmake --install"; }
[ "$(cd "$travail/dossier" && find . | sort | tr '\n' ' ')" = ". ./Calkado ./CalkadoVa.sqlite " ] \
    || echec "cmake --install a déposé : $(cd "$travail/dossier" && find . | tr '\n' ' ')"
verifier_base "$travail/dossier/CalkadoVa.sqlite"
[ "$(nombre_lignes "$travail/dossier/CalkadoVa.sqlite")" = 0 ] || echec "le fichier des résultats installé n'est pas vide"

# The package, made as a release makes it.
deb=$("$SOURCES/scripts/empaqueter.sh" "$travail/construction" "$travail/paquet") \
    || echec "scripts/empaqueter.sh"
[ "$(basename "$deb")" = "calkado_${version}_amd64.deb" ] || echec "paquet fait : $deb"

# lintian, Debian's judge: no error and no warning; any other tag is one the
# README explains.
lintian --tag-display-limit 0 --display-info --pedantic --display-experimental "$deb" \
    >"$travail/lintian.log" 2>&1 || { cat "$travail/lintian.log"; echec "lintian a échoué"; }
grep -v 'running with root privileges' "$travail/lintian.log" > "$travail/tags.log" || true
if grep -q '^[EW]: ' "$travail/tags.log"; then
    cat "$travail/tags.log"
    echec "lintian trouve des erreurs ou des avertissements"
fi
while read -r _ _ tag _; do
    [[ " ${TAGS_ADMIS[*]} " == *" $tag "* ]] \
        || { cat "$travail/tags.log"; echec "étiquette lintian que le README n'explique pas : $tag"; }
done < <(grep '^[IPXO]: ' "$travail/tags.log" || true)

champ() { dpkg-deb -f "$deb" "$1"; }
[ "$(champ Package)" = calkado ] || echec "nom du paquet : $(champ Package)"
[ "$(champ Version)" = "$version" ] || echec "version du paquet : $(champ Version)"
[ "$(champ Architecture)" = amd64 ] || echec "architecture : $(champ Architecture)"
[ "$(champ Section)" = education ] || echec "section : $(champ Section)"
[ "$(champ Maintainer)" = "L'équipe Calkado <equipe@calkado.org>" ] || echec "responsable : $(champ Maintainer)"
[ "$(champ Homepage)" = "https://calkado.org" ] || echec "page d'accueil : $(champ Homepage)"
champ Description | awk 'length > 79 { exit 1 }' || echec "description plus large que 79 colonnes"

# Installed as dpkg installs it, into a root of its own. That root's database
# holds the packages the package depends on, as they are installed on this
# machine: dpkg checks the dependencies against them.
racine=$travail/racine
base_dpkg=$racine/var/lib/dpkg
mkdir -p "$base_dpkg/info" "$base_dpkg/updates"
dependances=$(champ Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | sort -u)
for paquet in $dependances; do
    dpkg-query -s "$paquet" 2>/dev/null || echec "la dépendance $paquet n'est pas installée ici"
    echo
    : > "$base_dpkg/info/$(dpkg-query -W -f='${binary:Package}' "$paquet").list"
done > "$base_dpkg/status"
options_dpkg=(--root="$racine" --log=/dev/null --path-include='*')
[ "$(id -u)" -eq 0 ] || options_dpkg+=(--force-not-root)
dpkg "${options_dpkg[@]}" -i "$deb" >"$travail/dpkg.log" 2>&1 \
    || { cat "$travail/dpkg.log"; echec "dpkg -i"; }

# Exactly these files, all under /usr, and no store: each user gets their own.
attendus=(
    "/$PROGRAMMES/Calkado"
    "/$PROGRAMMES/calkado-base"
    /usr/bin/calkado
    "/usr/share/applications/$ID.desktop"
    /usr/share/calkado/CalkadoVa.sql
    /usr/share/calkado/calkado-postgresql.sql
    /usr/share/doc/calkado/changelog.gz
    /usr/share/doc/calkado/copyright
    "/usr/share/icons/hicolor/scalable/apps/$ID.svg"
    /usr/share/man/man1/calkado.1.gz
    "/usr/share/metainfo/$ID.metainfo.xml"
)
for taille in "${TAILLES[@]}"; do
    attendus+=("/usr/share/icons/hicolor/${taille}x${taille}/apps/$ID.png")
done
diff <(printf '%s\n' "${attendus[@]}" | sort) \
     <(dpkg "${options_dpkg[@]}" -L calkado | while read -r chemin; do
           [ -d "$racine$chemin" ] || echo "$chemin"
       done | sort) \
    || echec "les fichiers du paquet ne sont pas ceux attendus"
for chemin in "${attendus[@]}"; do
    [ -f "$racine$chemin" ] && [ ! -L "$racine$chemin" ] || echec "$chemin n'est pas un fichier installé"
done
for programme in usr/bin/calkado $PROGRAMMES/Calkado $PROGRAMMES/calkado-base; do
    [ -x "$racine/$programme" ] || echec "/$programme n'est pas exécutable"
done
sh -n "$racine/usr/bin/calkado" || echec "le lanceur n'est pas un script sh valide"

# The icon at each size it claims.
for taille in "${TAILLES[@]}"; do
    png=$racine/usr/share/icons/hicolor/${taille}x${taille}/apps/$ID.png
    read -r -a octets < <(od -An -tu1 -j16 -N8 "$png")
    largeur=$(( octets[2] * 256 + octets[3] ))
    hauteur=$(( octets[6] * 256 + octets[7] ))
    [ "$largeur x $hauteur" = "$taille x $taille" ] || echec "icône $taille : $largeur x $hauteur"
done

# The desktop entry and the metainfo, as the desktop and the software
# centres read them: the metainfo without a single remark.
entree=$racine/usr/share/applications/$ID.desktop
metainfo=$racine/usr/share/metainfo/$ID.metainfo.xml
desktop-file-validate "$entree" || echec "entrée de bureau refusée"
avis=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || { echo "$avis"; echec "metainfo refusée"; }
if grep -q '^[EWIP]: ' <<<"$avis"; then echo "$avis"; echec "remarques sur la metainfo"; fi
for ligne in "Name=Calkado" "Exec=calkado" "Icon=$ID" "Terminal=false" "Categories=Education;Math;"; do
    grep -qxF "$ligne" "$entree" || echec "l'entrée de bureau n'a pas $ligne"
done
grep -q '^Comment=.*tables de multiplication' "$entree" || echec "pas de commentaire en français"
for element in "<launchable type=\"desktop-id\">$ID.desktop</launchable>" \
               "<project_license>GPL-3.0-or-later</project_license>" \
               "<url type=\"homepage\">https://calkado.org</url>" \
               "<developer_name>L'équipe Calkado</developer_name>" \
               "<screenshot type=\"default\">"; do
    grep -qF "$element" "$metainfo" || echec "la metainfo n'a pas $element"
done

# One version everywhere: the project's, in the package, the metainfo, the
# changelog, the manual page and the program's answer to --version (the
# window's title is checked by the runs under Xvfb).
premiere=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1)
[ "$premiere" = "<release version=\"$version\"" ] \
    || echec "la dernière version de la metainfo n'est pas $version : $premiere"
journal=$travail/changelog
gzip -dc "$racine/usr/share/doc/calkado/changelog.gz" > "$journal"
[ "$(dpkg-parsechangelog -l "$journal" -S Version)" = "$version" ] \
    || echec "la dernière version du changelog n'est pas $version"
[ "$(dpkg-parsechangelog -l "$journal" -S Maintainer)" = "$(champ Maintainer)" ] \
    || echec "le changelog n'est pas signé par le responsable du paquet"
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$racine/usr/share/man/man1/calkado.1.gz" 2>&1) \
    || echec "la page de manuel ne s'affiche pas"
# shellcheck disable=SC2088 # the page's own words, not a path
for texte in "calkado - entraînement aux tables de multiplication" "Calkado $version" \
             "--help" "--version" "--enfant" "CODE DE RETOUR" "~/.local/share/calkado/CalkadoVa.sqlite" \
             "CalkadoEnfants.json" "enfants-retires"; do
    grep -qF -- "$texte" <<<"$page" || echec "la page de manuel ne dit pas « $texte »"
done

# The launcher answers --version and --help on a terminal without any display,
# and makes no folder for that; a mistake gets a message and the exit code 2.
maison="$travail/maison de Noé"
mkdir "$maison"
terminal() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME HOME="$maison" QT_QPA_PLATFORM=xcb \
        "$racine/usr/bin/calkado" "$@"
}
sortie=$(terminal --version) || echec "calkado --version a échoué"
[ "$(head -n 1 <<<"$sortie")" = "Calkado $version" ] || echec "calkado --version dit : $sortie"
sortie=$(terminal -h) || echec "calkado -h a échoué"
[[ "$sortie" == "Utilisation : calkado [OPTION]"*"--version"* ]] || echec "calkado -h dit : $sortie"
[ -z "$(ls -A "$maison")" ] || echec "--help ou --version ont créé des fichiers : $(ls -A "$maison")"
code=0
sortie=$(terminal --inconnue 2>&1) || code=$?
[ "$code" = 2 ] || echec "une option inconnue finit avec le code $code"
[[ "$sortie" == "calkado : option inconnue « --inconnue »"* ]] || echec "message d'une option inconnue : $sortie"

xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --lancements "$racine" "$travail" "$titre"

# A name the family does not know, even one that looks like an option: a
# message on the terminal, the code 2, nothing made in the user's folder.
maison="$travail/maison de Léa"
etat_famille() {
    local dossier="$maison/.local/share/calkado"
    { find "$dossier" -printf '%P\n'; find "$dossier" -type f -exec sha256sum {} +; } | sort
}
avant=$(etat_famille)
for prenom in Max -h; do
    code=0
    sortie=$(terminal --enfant "$prenom" 2>&1) || code=$?
    [ "$code" = 2 ] || echec "calkado --enfant $prenom finit avec le code $code"
    [[ "$sortie" == "calkado : aucun enfant ne s'appelle « $prenom » ; les enfants sont : Zoé, Léo"* ]] \
        || echec "message de calkado --enfant $prenom : $sortie"
done
[ "$(etat_famille)" = "$avant" ] || echec "calkado --enfant avec un prénom inconnu a changé le dossier"

# A data home that cannot hold a folder: a clear message, and no program.
touch "$travail/fichier"
if sortie=$(HOME="$travail" XDG_DATA_HOME="$travail/fichier" "$racine/usr/bin/calkado" 2>&1); then
    echec "le lanceur a réussi sans dossier"
fi
[[ "$sortie" == *"impossible de créer le dossier"*"$travail/fichier/calkado"* ]] \
    || echec "message du lanceur sans dossier : $sortie"

# Every library the programs are linked with comes from a package the package
# depends on, and so do the plugins no link shows: the SQLite driver and the
# X11 platform.
depend_de() {
    local paquet=${1%%:*}
    grep -qxF "$paquet" <<<"$dependances" || echec "le paquet ne dépend pas de $paquet (qui fournit $2)"
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
    fichier=$racine/$PROGRAMMES/$programme
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

# Removed as dpkg removes it: none of its files stay, the users' folders do.
dpkg "${options_dpkg[@]}" --purge calkado >"$travail/dpkg.log" 2>&1 \
    || { cat "$travail/dpkg.log"; echec "dpkg --purge"; }
restes=$(find "$racine/usr" ! -type d 2>/dev/null || true)
[ -z "$restes" ] || echec "fichiers laissés par la désinstallation : $restes"
[ "$(nombre_lignes "$travail/maison de Léa/.local/share/calkado/CalkadoVa.sqlite")" = 1 ] \
    || echec "la désinstallation a touché les résultats d'un utilisateur"

echo "Paquet calkado_${version}_amd64.deb vérifié"
