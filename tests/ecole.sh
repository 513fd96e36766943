#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program against a PostgreSQL server of its own, made for the
# run by pg_virtualenv and dropped after it: the database "calkado" set up
# with the school's script, two classes, their pupils and their teachers,
# each role's password its own name in a password file of the run.
# Usage: tests/ecole.sh <calkado-postgresql.sql> <program> [arguments...]
set -euo pipefail

if [ "${CALKADO_DANS_ECOLE:-}" != 1 ]; then
    command -v pg_virtualenv > /dev/null || { echo "pg_virtualenv manque : test sauté"; exit 77; }
    # -t: a cluster in a temporary folder even as root, never one of the
    # machine's own, so that runs side by side or cut short leave nothing.
    CALKADO_DANS_ECOLE=1 exec pg_virtualenv -t "$0" "$@"
fi

script=$1
shift
createdb calkado
export PGDATABASE=calkado
psql -q -X -v ON_ERROR_STOP=1 -f "$script"
psql -q -X -v ON_ERROR_STOP=1 -f "$script"   # a second run changes nothing
psql -q -X -v ON_ERROR_STOP=1 <<'SQL'
SELECT calkado_ajouter_eleve('cm1a', 'lea'), calkado_ajouter_eleve('cm1a', 'tom'),
       calkado_ajouter_eleve('cm2', 'zoe'), calkado_ajouter_enseignant('cm1a', 'prof_a'),
       calkado_ajouter_enseignant('cm2', 'prof_b');
ALTER ROLE lea PASSWORD 'lea';
ALTER ROLE tom PASSWORD 'tom';
ALTER ROLE zoe PASSWORD 'zoe';
ALTER ROLE prof_a PASSWORD 'prof_a';
ALTER ROLE prof_b PASSWORD 'prof_b';
SQL

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
# The administrator's password stays in the environment for the tests that
# act as them; every other role reads its own from the password file.
for role in lea tom zoe prof_a prof_b; do
    echo "*:*:*:$role:$role" >> "$travail/pgpass"
done
chmod 600 "$travail/pgpass"
export PGPASSFILE=$travail/pgpass CALKADO_ADMINISTRATEUR=$PGUSER CALKADO_MOT_DE_PASSE_ADMINISTRATEUR=$PGPASSWORD
unset PGPASSWORD
export PGUSER=lea CALKADO_SERVEUR=1
"$@"
