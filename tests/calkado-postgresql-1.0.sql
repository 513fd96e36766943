-- SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
-- SPDX-License-Identifier: GPL-3.0-or-later

-- The school's set-up script as Calkado 1.0.0.0 shipped it, kept for the
-- test that brings a server it made up to date with today's script.
--
-- Calkado at school: the results of a school's pupils on its PostgreSQL
-- server. Run it as the database's owner (or a superuser) in the database
-- that will keep them, for instance:  psql -d calkado -f calkado-postgresql.sql
-- It can be run again at any time: it makes what is missing and puts the
-- rights back as they should be, keeping every result.
--
-- Who sees what, held by the server itself (row-level security):
--   - each pupil connects as a role of their own, member of calkado_eleves;
--     they read, save and delete their own saved trainings only;
--   - a class is the role calkado_classe_<name>, its pupils its members;
--     its teachers are the members of calkado_prof_<name>, and of
--     calkado_enseignants: they read the results of their classes' pupils
--     and change nothing.
-- The functions at the end make a class, add a pupil, add a teacher.

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_eleves') THEN
        CREATE ROLE calkado_eleves NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_enseignants') THEN
        CREATE ROLE calkado_enseignants NOLOGIN;
    END IF;
END
$$;

-- The same tables as Calkado's results file, each row marked with its pupil.
CREATE TABLE IF NOT EXISTS "TCalkado" (
    "Id"                  bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    "DateHeure"           text    NOT NULL,
    "Multiplicateur1a12"  integer NOT NULL,
    "Aléatoire"           integer NOT NULL,
    "NumLivret"           integer NOT NULL,
    "NbQuestionParLivret" integer NOT NULL,
    "NbQuestionEssai1"    integer NOT NULL,
    "TempsTotalEssai1"    integer NOT NULL,
    "NbQuestionEssai2"    integer NOT NULL,
    "NbQuestionRéponse"   integer NOT NULL,
    "Eleve"               text    NOT NULL DEFAULT current_user
);
CREATE INDEX IF NOT EXISTS "TCalkado_DateHeure" ON "TCalkado" ("Eleve", "DateHeure");

CREATE TABLE IF NOT EXISTS "TFait" (
    "Id"             bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    "DateHeure"      text    NOT NULL,
    "NumLivret"      integer NOT NULL,
    "Multiplicateur" integer NOT NULL,
    "Issue"          integer NOT NULL,
    "NbEssais"       integer NOT NULL,
    "Dixiemes"       integer NOT NULL,
    "Eleve"          text    NOT NULL DEFAULT current_user
);
CREATE INDEX IF NOT EXISTS "TFait_DateHeure" ON "TFait" ("Eleve", "DateHeure", "NumLivret");
CREATE INDEX IF NOT EXISTS "TFait_Fait" ON "TFait" ("Eleve", "NumLivret", "Multiplicateur", "Id");

-- A row deleted takes the facts of its table with it.
CREATE OR REPLACE FUNCTION calkado_supprimer_faits() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    DELETE FROM "TFait"
    WHERE "Eleve" = OLD."Eleve" AND "DateHeure" = OLD."DateHeure" AND "NumLivret" = OLD."NumLivret";
    RETURN OLD;
END
$$;
DROP TRIGGER IF EXISTS "TCalkado_Faits" ON "TCalkado";
CREATE TRIGGER "TCalkado_Faits" AFTER DELETE ON "TCalkado"
    FOR EACH ROW EXECUTE FUNCTION calkado_supprimer_faits();

-- Whether the user running the query may read the results of that pupil:
-- their own, or those of a pupil of a class they teach.
CREATE OR REPLACE FUNCTION calkado_lisible(eleve text) RETURNS boolean
    LANGUAGE sql STABLE AS $$
    SELECT eleve = current_user::text OR EXISTS (
        SELECT 1
        FROM pg_roles AS classe
        JOIN pg_roles AS prof ON prof.rolname = 'calkado_prof_' || substr(classe.rolname, 16)
        JOIN pg_roles AS membre ON membre.rolname = eleve
        WHERE classe.rolname LIKE 'calkado\_classe\_%'
          AND pg_has_role(membre.oid, classe.oid, 'MEMBER')
          AND pg_has_role(current_user, prof.oid, 'MEMBER'))
$$;

-- The pupils of the classes the user teaches, or the user alone.
CREATE OR REPLACE FUNCTION calkado_eleves_lisibles() RETURNS TABLE ("Eleve" text, "Classe" text)
    LANGUAGE sql STABLE AS $$
    SELECT membre.rolname::text, substr(classe.rolname, 16)
    FROM pg_roles AS classe
    JOIN pg_auth_members AS m ON m.roleid = classe.oid
    JOIN pg_roles AS membre ON membre.oid = m.member
    JOIN pg_roles AS prof ON prof.rolname = 'calkado_prof_' || substr(classe.rolname, 16)
    WHERE classe.rolname LIKE 'calkado\_classe\_%' AND pg_has_role(current_user, prof.oid, 'MEMBER')
$$;

ALTER TABLE "TCalkado" ENABLE ROW LEVEL SECURITY;
ALTER TABLE "TFait" ENABLE ROW LEVEL SECURITY;
DO $$
DECLARE
    t text;
BEGIN
    FOREACH t IN ARRAY ARRAY['TCalkado', 'TFait'] LOOP
        EXECUTE format('DROP POLICY IF EXISTS lecture ON %I', t);
        EXECUTE format('DROP POLICY IF EXISTS ajout ON %I', t);
        EXECUTE format('DROP POLICY IF EXISTS suppression ON %I', t);
        EXECUTE format('CREATE POLICY lecture ON %I FOR SELECT USING (calkado_lisible("Eleve"))', t);
        EXECUTE format('CREATE POLICY ajout ON %I FOR INSERT WITH CHECK ("Eleve" = current_user)', t);
        EXECUTE format('CREATE POLICY suppression ON %I FOR DELETE USING ("Eleve" = current_user)', t);
        EXECUTE format('REVOKE ALL ON %I FROM PUBLIC, calkado_eleves, calkado_enseignants', t);
        EXECUTE format('GRANT SELECT, INSERT, DELETE ON %I TO calkado_eleves', t);
        EXECUTE format('GRANT SELECT ON %I TO calkado_enseignants', t);
    END LOOP;
END
$$;
REVOKE ALL ON FUNCTION calkado_supprimer_faits() FROM PUBLIC;

-- The administrator's commands.

-- SELECT calkado_creer_classe('cm1a');
CREATE OR REPLACE FUNCTION calkado_creer_classe(classe text) RETURNS void LANGUAGE plpgsql AS $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_classe_' || classe) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', 'calkado_classe_' || classe);
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_prof_' || classe) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', 'calkado_prof_' || classe);
    END IF;
END
$$;

-- SELECT calkado_ajouter_eleve('cm1a', 'lea');   -- the pupil's account, made if missing
CREATE OR REPLACE FUNCTION calkado_ajouter_eleve(classe text, eleve text) RETURNS void LANGUAGE plpgsql AS $$
BEGIN
    PERFORM calkado_creer_classe(classe);
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = eleve) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', eleve);
    END IF;
    EXECUTE format('GRANT calkado_eleves TO %I', eleve);
    EXECUTE format('GRANT %I TO %I', 'calkado_classe_' || classe, eleve);
END
$$;

-- SELECT calkado_ajouter_enseignant('cm1a', 'm_durand');   -- the account, made if missing
CREATE OR REPLACE FUNCTION calkado_ajouter_enseignant(classe text, enseignant text) RETURNS void
    LANGUAGE plpgsql AS $$
BEGIN
    PERFORM calkado_creer_classe(classe);
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = enseignant) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', enseignant);
    END IF;
    EXECUTE format('GRANT calkado_enseignants TO %I', enseignant);
    EXECUTE format('GRANT %I TO %I', 'calkado_prof_' || classe, enseignant);
END
$$;
REVOKE ALL ON FUNCTION calkado_creer_classe(text), calkado_ajouter_eleve(text, text),
    calkado_ajouter_enseignant(text, text) FROM PUBLIC;
