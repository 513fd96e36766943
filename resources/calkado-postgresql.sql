-- SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
-- SPDX-License-Identifier: GPL-3.0-or-later

-- Calkado at school: the results of a school's pupils on its PostgreSQL
-- server. Run it as the database's owner (or a superuser) in the database
-- that will keep them, for instance:  psql -d calkado -f calkado-postgresql.sql
-- It can be run again at any time, for instance after an update of Calkado:
-- in one transaction, it makes what is missing, brings a server set up by an
-- earlier version to this one and puts the rights back as they should be,
-- keeping every result.
--
-- Who sees what, held by the server itself (row-level security):
--   - each pupil connects as a role of their own, member of calkado_eleves;
--     they read and save their own saved trainings only, and delete them
--     through calkado_supprimer_entrainement;
--   - each teacher connects as a role of their own, member of
--     calkado_enseignants: they read the results of the pupils of their
--     classes and change nothing;
--   - the classes and who is in them are rows of calkado_classes and
--     calkado_membres, which only the administrator reads: every login can
--     list the server's roles, so no role tells a class.
-- Pupils and teachers make no object of their own, not even a temporary one,
-- and hold no right that takes a lock on a whole table. Every function names
-- what it uses with its schema and runs with a search path of its own, so
-- that nothing a session defines can stand in for it. The tables refuse rows
-- that Calkado never writes, and more rows a day than a child ever saves.
-- The functions at the end make a class, add a pupil or a teacher to it, and
-- take someone out of it.

BEGIN;
SET LOCAL search_path = pg_catalog, pg_temp;
-- The changes below lock the tables a moment: rather than hold up every
-- classroom behind a session that keeps them, the script gives up and can be
-- run again later.
SET LOCAL lock_timeout = '5s';
SET LOCAL client_min_messages = warning;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_eleves') THEN
        CREATE ROLE calkado_eleves NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'calkado_enseignants') THEN
        CREATE ROLE calkado_enseignants NOLOGIN;
    END IF;
    EXECUTE format('REVOKE TEMPORARY, CREATE ON DATABASE %I FROM PUBLIC, calkado_eleves, calkado_enseignants',
                   current_database());
END
$$;
REVOKE CREATE ON SCHEMA public FROM PUBLIC;

-- The same tables as Calkado's results file, each row marked with its pupil.
CREATE TABLE IF NOT EXISTS public."TCalkado" (
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
    "Eleve"               text    NOT NULL DEFAULT session_user
);
-- The login, not the role of the moment: SET ROLE changes nothing.
ALTER TABLE public."TCalkado" ALTER COLUMN "Eleve" SET DEFAULT session_user;
-- A pupil's saved trainings by date and time, and in the order saved.
CREATE INDEX IF NOT EXISTS "TCalkado_DateHeure" ON public."TCalkado" ("Eleve", "DateHeure");
CREATE INDEX IF NOT EXISTS "TCalkado_Eleve" ON public."TCalkado" ("Eleve", "Id");

CREATE TABLE IF NOT EXISTS public."TFait" (
    "Id"             bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    "DateHeure"      text    NOT NULL,
    "NumLivret"      integer NOT NULL,
    "Multiplicateur" integer NOT NULL,
    "Issue"          integer NOT NULL,
    "NbEssais"       integer NOT NULL,
    "Dixiemes"       integer NOT NULL,
    "Eleve"          text    NOT NULL DEFAULT session_user
);
ALTER TABLE public."TFait" ALTER COLUMN "Eleve" SET DEFAULT session_user;
CREATE INDEX IF NOT EXISTS "TFait_DateHeure" ON public."TFait" ("Eleve", "DateHeure", "NumLivret");
CREATE INDEX IF NOT EXISTS "TFait_Fait" ON public."TFait" ("Eleve", "NumLivret", "Multiplicateur", "Id");

-- The classes, and who learns or teaches in each. Only the administrator
-- reads them; the functions below answer for a teacher's own classes.
CREATE TABLE IF NOT EXISTS public.calkado_classes (
    "Cle"    integer GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    "Classe" text NOT NULL UNIQUE
);
CREATE TABLE IF NOT EXISTS public.calkado_membres (
    "Cle"        integer NOT NULL REFERENCES public.calkado_classes ON DELETE CASCADE,
    "Role"       text    NOT NULL,
    "Enseignant" boolean NOT NULL,
    PRIMARY KEY ("Cle", "Role")
);
CREATE INDEX IF NOT EXISTS calkado_membres_role ON public.calkado_membres ("Role");
-- One row a pupil, locked by their save; the rows each pupil saved each day.
CREATE TABLE IF NOT EXISTS public.calkado_verrous ("Eleve" text PRIMARY KEY);
CREATE TABLE IF NOT EXISTS public.calkado_quotas (
    "Eleve"  text   NOT NULL,
    "Jour"   date   NOT NULL,
    "Lignes" bigint NOT NULL DEFAULT 0,
    "Faits"  bigint NOT NULL DEFAULT 0,
    PRIMARY KEY ("Eleve", "Jour")
);
REVOKE ALL ON public.calkado_classes, public.calkado_membres, public.calkado_verrous, public.calkado_quotas
    FROM PUBLIC, calkado_eleves, calkado_enseignants;

-- A server set up by Calkado 1.0 kept its classes as roles named after them
-- (calkado_classe_<name> for the pupils, calkado_prof_<name> for the
-- teachers), which every login could read: they become rows, and go.
DO $$
DECLARE
    groupe record;
BEGIN
    FOR groupe IN
        SELECT r.oid, r.rolname, r.rolname LIKE 'calkado\_prof\_%' AS enseignant,
               substr(r.rolname, CASE WHEN r.rolname LIKE 'calkado\_prof\_%' THEN 14 ELSE 16 END) AS classe
        FROM pg_roles AS r
        WHERE r.rolname LIKE 'calkado\_classe\_%' OR r.rolname LIKE 'calkado\_prof\_%'
    LOOP
        INSERT INTO public.calkado_classes ("Classe") VALUES (groupe.classe) ON CONFLICT ("Classe") DO NOTHING;
        INSERT INTO public.calkado_membres ("Cle", "Role", "Enseignant")
        SELECT c."Cle", m.rolname, groupe.enseignant
        FROM public.calkado_classes AS c, pg_auth_members AS a JOIN pg_roles AS m ON m.oid = a.member
        WHERE c."Classe" = groupe.classe AND a.roleid = groupe.oid
        ON CONFLICT DO NOTHING;
        EXECUTE format('DROP ROLE %I', groupe.rolname);
    END LOOP;
END
$$;

-- A date and time as Calkado writes it, 'YYYY-MM-DD HH:MM:SS', of a day that
-- exists, from 1970 to 2199.
CREATE OR REPLACE FUNCTION public.calkado_date_valide(d text) RETURNS boolean
    LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE SET search_path = pg_catalog, pg_temp AS $$
    SELECT CASE
        WHEN d ~ '^(19[7-9][0-9]|2[01][0-9][0-9])-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01]) ([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$'
        THEN substr(d, 9, 2)::integer <= extract(day FROM make_date(substr(d, 1, 4)::integer, substr(d, 6, 2)::integer, 1)
                                                          + interval '1 month' - interval '1 day')
        ELSE false END
$$;

-- What a real Calkado writes, and nothing else. Rows kept from before a rule
-- existed stay, even those it refuses: the rule then holds for new rows only.
ALTER TABLE public."TCalkado" DROP CONSTRAINT IF EXISTS "TCalkado_DateHeure",
    DROP CONSTRAINT IF EXISTS "TCalkado_Options", DROP CONSTRAINT IF EXISTS "TCalkado_NumLivret",
    DROP CONSTRAINT IF EXISTS "TCalkado_Nombres", DROP CONSTRAINT IF EXISTS "TCalkado_Temps";
ALTER TABLE public."TCalkado"
    ADD CONSTRAINT "TCalkado_DateHeure" CHECK (public.calkado_date_valide("DateHeure")) NOT VALID,
    ADD CONSTRAINT "TCalkado_Options" CHECK ("Multiplicateur1a12" IN (0, 1) AND "Aléatoire" IN (0, 1)) NOT VALID,
    ADD CONSTRAINT "TCalkado_NumLivret" CHECK ("NumLivret" BETWEEN 2 AND 12) NOT VALID,
    -- a table gets a row when a question was settled, each settled one way
    ADD CONSTRAINT "TCalkado_Nombres" CHECK (
        "NbQuestionParLivret" >= 1 AND "NbQuestionEssai1" >= 0 AND "NbQuestionEssai2" >= 0
        AND "NbQuestionRéponse" >= 0
        AND "NbQuestionEssai1"::bigint + "NbQuestionEssai2" + "NbQuestionRéponse" = "NbQuestionParLivret") NOT VALID,
    -- only the right first tries are timed
    ADD CONSTRAINT "TCalkado_Temps" CHECK (
        "TempsTotalEssai1" >= 0 AND ("NbQuestionEssai1" > 0 OR "TempsTotalEssai1" = 0)) NOT VALID;
ALTER TABLE public."TFait" DROP CONSTRAINT IF EXISTS "TFait_DateHeure", DROP CONSTRAINT IF EXISTS "TFait_Fait",
    DROP CONSTRAINT IF EXISTS "TFait_Issue", DROP CONSTRAINT IF EXISTS "TFait_Dixiemes";
ALTER TABLE public."TFait"
    ADD CONSTRAINT "TFait_DateHeure" CHECK (public.calkado_date_valide("DateHeure")) NOT VALID,
    ADD CONSTRAINT "TFait_Fait" CHECK ("NumLivret" BETWEEN 2 AND 12 AND "Multiplicateur" BETWEEN 1 AND 12) NOT VALID,
    -- right at the first try, at a later one, or the answer given after three
    ADD CONSTRAINT "TFait_Issue" CHECK (("Issue" = 1 AND "NbEssais" = 1) OR ("Issue" = 2 AND "NbEssais" >= 2)
                                        OR ("Issue" = 3 AND "NbEssais" >= 3)) NOT VALID,
    ADD CONSTRAINT "TFait_Dixiemes" CHECK ("Dixiemes" >= 0) NOT VALID;
DO $$
DECLARE
    regle record;
BEGIN
    FOR regle IN
        SELECT conrelid::regclass AS "table", conname FROM pg_constraint
        WHERE conrelid IN ('public."TCalkado"'::regclass, 'public."TFait"'::regclass)
          AND contype = 'c' AND NOT convalidated
    LOOP
        BEGIN
            EXECUTE format('ALTER TABLE %s VALIDATE CONSTRAINT %I', regle."table", regle.conname);
        EXCEPTION WHEN check_violation THEN
            RAISE WARNING 'calkado : des lignes déjà gardées dans % ne suivent pas la règle %, qui ne vaut que pour les nouvelles',
                regle."table", regle.conname;
        END;
    END LOOP;
END
$$;

-- A row deleted takes the facts of its table with it.
CREATE OR REPLACE FUNCTION public.calkado_supprimer_faits() RETURNS trigger
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    DELETE FROM public."TFait"
    WHERE "Eleve" = OLD."Eleve" AND "DateHeure" = OLD."DateHeure" AND "NumLivret" = OLD."NumLivret";
    RETURN OLD;
END
$$;
DROP TRIGGER IF EXISTS "TCalkado_Faits" ON public."TCalkado";
CREATE TRIGGER "TCalkado_Faits" AFTER DELETE ON public."TCalkado"
    FOR EACH ROW EXECUTE FUNCTION public.calkado_supprimer_faits();

-- The rows each pupil saves in a day, counted as they come: a child saves a
-- few trainings a day, of a few hundred questions at most, so far more than
-- that is refused rather than slowing every classmate down.
CREATE OR REPLACE FUNCTION public.calkado_compter() RETURNS trigger
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    faits constant boolean := TG_TABLE_NAME = 'TFait';
    limite constant bigint := CASE WHEN faits THEN 20000 ELSE 1000 END;
    ajoutees bigint;
    total bigint;
BEGIN
    SELECT count(*) INTO ajoutees FROM nouvelles_lignes WHERE "Eleve" = session_user;
    IF ajoutees = 0 THEN
        RETURN NULL;
    END IF;
    DELETE FROM public.calkado_quotas WHERE "Eleve" = session_user AND "Jour" < current_date;
    INSERT INTO public.calkado_quotas AS q ("Eleve", "Jour", "Lignes", "Faits")
    VALUES (session_user, current_date, CASE WHEN faits THEN 0 ELSE ajoutees END,
            CASE WHEN faits THEN ajoutees ELSE 0 END)
    ON CONFLICT ("Eleve", "Jour")
        DO UPDATE SET "Lignes" = q."Lignes" + EXCLUDED."Lignes", "Faits" = q."Faits" + EXCLUDED."Faits"
    RETURNING CASE WHEN faits THEN q."Faits" ELSE q."Lignes" END INTO total;
    IF total > limite THEN
        RAISE EXCEPTION 'calkado : % a enregistré aujourd''hui plus de % lignes dans %, bien plus qu''un élève',
            session_user, limite, TG_TABLE_NAME USING ERRCODE = 'check_violation';
    END IF;
    RETURN NULL;
END
$$;
DROP TRIGGER IF EXISTS "TCalkado_Quota" ON public."TCalkado";
CREATE TRIGGER "TCalkado_Quota" AFTER INSERT ON public."TCalkado" REFERENCING NEW TABLE AS nouvelles_lignes
    FOR EACH STATEMENT EXECUTE FUNCTION public.calkado_compter();
DROP TRIGGER IF EXISTS "TFait_Quota" ON public."TFait";
CREATE TRIGGER "TFait_Quota" AFTER INSERT ON public."TFait" REFERENCING NEW TABLE AS nouvelles_lignes
    FOR EACH STATEMENT EXECUTE FUNCTION public.calkado_compter();

-- What a pupil does beyond reading and adding rows.

-- Holds the pupil's own saves one after the other, whatever program makes
-- them, until the transaction ends: a save then finds the date and time the
-- one before took. Only the pupil's own sessions can take it.
CREATE OR REPLACE FUNCTION public.calkado_verrouiller() RETURNS void
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    INSERT INTO public.calkado_verrous ("Eleve") VALUES (session_user) ON CONFLICT DO NOTHING;
    PERFORM 1 FROM public.calkado_verrous WHERE "Eleve" = session_user FOR UPDATE;
END
$$;

-- Deletes the pupil's saved training of that date and time and its facts;
-- the number of rows it had.
CREATE OR REPLACE FUNCTION public.calkado_supprimer_entrainement(date_heure text) RETURNS integer
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    lignes integer;
BEGIN
    DELETE FROM public."TCalkado" WHERE "Eleve" = session_user AND "DateHeure" = date_heure;
    GET DIAGNOSTICS lignes = ROW_COUNT;
    DELETE FROM public."TFait" WHERE "Eleve" = session_user AND "DateHeure" = date_heure;
    RETURN lignes;
END
$$;

-- What a teacher reads.

-- The pupils of the classes the user teaches, with the class.
CREATE OR REPLACE FUNCTION public.calkado_eleves_lisibles() RETURNS TABLE ("Eleve" text, "Classe" text)
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
    SELECT e."Role", c."Classe"
    FROM public.calkado_membres AS p
    JOIN public.calkado_membres AS e ON e."Cle" = p."Cle" AND NOT e."Enseignant"
    JOIN public.calkado_classes AS c ON c."Cle" = p."Cle"
    WHERE p."Role" = session_user AND p."Enseignant"
$$;

-- The classes the user teaches, none for anyone else.
CREATE OR REPLACE FUNCTION public.calkado_classes_enseignees() RETURNS SETOF text
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
    SELECT c."Classe"
    FROM public.calkado_membres AS p JOIN public.calkado_classes AS c ON c."Cle" = p."Cle"
    WHERE p."Role" = session_user AND p."Enseignant"
$$;

-- Who reads and adds what. Pupils read and add their own rows, with no
-- right that locks a table for the others; teachers read their pupils'.
ALTER TABLE public."TCalkado" ENABLE ROW LEVEL SECURITY;
ALTER TABLE public."TFait" ENABLE ROW LEVEL SECURITY;
DO $$
DECLARE
    t text;
    politique text;
    colonnes text;
BEGIN
    FOREACH t IN ARRAY ARRAY['TCalkado', 'TFait'] LOOP
        FOREACH politique IN ARRAY ARRAY['lecture', 'ajout', 'suppression', 'eleve_lecture', 'eleve_ajout',
                                         'enseignant_lecture'] LOOP
            EXECUTE format('DROP POLICY IF EXISTS %I ON public.%I', politique, t);
        END LOOP;
        -- the pupil's name as text of the column's collation (a name's is
        -- "C"), so that the index on the pupil answers
        EXECUTE format('CREATE POLICY eleve_lecture ON public.%I FOR SELECT TO calkado_eleves '
                       'USING ("Eleve" = CAST(session_user AS text) COLLATE "default")', t);
        EXECUTE format('CREATE POLICY eleve_ajout ON public.%I FOR INSERT TO calkado_eleves '
                       'WITH CHECK ("Eleve" = CAST(session_user AS text) COLLATE "default")', t);
        EXECUTE format('CREATE POLICY enseignant_lecture ON public.%I FOR SELECT TO calkado_enseignants '
                       'USING ("Eleve" IN (SELECT l."Eleve" FROM public.calkado_eleves_lisibles() AS l))', t);
        EXECUTE format('REVOKE ALL ON public.%I FROM PUBLIC, calkado_eleves, calkado_enseignants', t);
        EXECUTE format('GRANT SELECT ON public.%I TO calkado_eleves, calkado_enseignants', t);
        -- the values of a save, not the key nor the pupil, which fill themselves
        SELECT string_agg(quote_ident(attname), ', ' ORDER BY attnum) INTO colonnes
        FROM pg_attribute
        WHERE attrelid = format('public.%I', t)::regclass AND attnum > 0 AND NOT attisdropped
          AND attname NOT IN ('Id', 'Eleve');
        EXECUTE format('GRANT INSERT (%s) ON public.%I TO calkado_eleves', colonnes, t);
    END LOOP;
END
$$;
DROP FUNCTION IF EXISTS public.calkado_lisible(text);

REVOKE ALL ON FUNCTION public.calkado_supprimer_faits(), public.calkado_compter(), public.calkado_verrouiller(),
    public.calkado_supprimer_entrainement(text), public.calkado_eleves_lisibles(),
    public.calkado_classes_enseignees() FROM PUBLIC;
GRANT EXECUTE ON FUNCTION public.calkado_verrouiller(), public.calkado_supprimer_entrainement(text)
    TO calkado_eleves;
GRANT EXECUTE ON FUNCTION public.calkado_eleves_lisibles() TO calkado_enseignants;
GRANT EXECUTE ON FUNCTION public.calkado_classes_enseignees() TO calkado_eleves, calkado_enseignants;

-- The administrator's commands. Each can be run again with the same
-- arguments and changes nothing more.

-- SELECT calkado_creer_classe('cm1a');   -- any name, of any length
CREATE OR REPLACE FUNCTION public.calkado_creer_classe(classe text) RETURNS void
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF classe IS NULL OR btrim(classe) = '' THEN
        RAISE EXCEPTION 'calkado : une classe a besoin d''un nom';
    END IF;
    INSERT INTO public.calkado_classes ("Classe") VALUES (classe) ON CONFLICT ("Classe") DO NOTHING;
END
$$;

-- The login of a pupil or a teacher (groupe: calkado_eleves or
-- calkado_enseignants), made if missing. PostgreSQL cuts a name longer than
-- 63 bytes, and two would log in as one: such a name is refused, as is a
-- role that exists already without being one of the group, such as the
-- administrator's or a teacher's for a pupil.
CREATE OR REPLACE FUNCTION public.calkado_compte(compte text, groupe text) RETURNS void
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF compte IS NULL OR compte = '' OR octet_length(compte) > 63 THEN
        RAISE EXCEPTION 'calkado : le nom de compte « % » doit avoir de 1 à 63 octets', compte;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = compte) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', compte);
        EXECUTE format('GRANT %I TO %I', groupe, compte);
    ELSIF NOT EXISTS (SELECT 1 FROM pg_auth_members AS a
                      JOIN pg_roles AS g ON g.oid = a.roleid JOIN pg_roles AS m ON m.oid = a.member
                      WHERE g.rolname = groupe AND m.rolname = compte) THEN
        RAISE EXCEPTION 'calkado : le compte « % » existe déjà sur ce serveur sans être de %', compte, groupe;
    END IF;
END
$$;

-- Someone in a class, as a pupil or as a teacher.
CREATE OR REPLACE FUNCTION public.calkado_ajouter_membre(classe text, compte text, enseignant boolean) RETURNS void
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    PERFORM public.calkado_creer_classe(classe);
    PERFORM public.calkado_compte(compte, CASE WHEN enseignant THEN 'calkado_enseignants' ELSE 'calkado_eleves' END);
    INSERT INTO public.calkado_membres ("Cle", "Role", "Enseignant")
    SELECT c."Cle", compte, enseignant FROM public.calkado_classes AS c WHERE c."Classe" = classe
    ON CONFLICT DO NOTHING;
END
$$;

-- SELECT calkado_ajouter_eleve('cm1a', 'lea');   -- the pupil's account, made if missing
CREATE OR REPLACE FUNCTION public.calkado_ajouter_eleve(classe text, eleve text) RETURNS void
    LANGUAGE sql SET search_path = pg_catalog, pg_temp AS $$
    SELECT public.calkado_ajouter_membre(classe, eleve, false)
$$;

-- SELECT calkado_ajouter_enseignant('cm1a', 'm_durand');   -- the account, made if missing
CREATE OR REPLACE FUNCTION public.calkado_ajouter_enseignant(classe text, enseignant text) RETURNS void
    LANGUAGE sql SET search_path = pg_catalog, pg_temp AS $$
    SELECT public.calkado_ajouter_membre(classe, enseignant, true)
$$;

-- SELECT calkado_retirer('cm1a', 'lea');   -- out of that class; the account and the results stay
CREATE OR REPLACE FUNCTION public.calkado_retirer(classe text, compte text) RETURNS void
    LANGUAGE sql SET search_path = pg_catalog, pg_temp AS $$
    DELETE FROM public.calkado_membres AS m USING public.calkado_classes AS c
    WHERE c."Cle" = m."Cle" AND c."Classe" = classe AND m."Role" = compte
$$;

REVOKE ALL ON FUNCTION public.calkado_creer_classe(text), public.calkado_compte(text, text),
    public.calkado_ajouter_membre(text, text, boolean), public.calkado_ajouter_eleve(text, text),
    public.calkado_ajouter_enseignant(text, text), public.calkado_retirer(text, text) FROM PUBLIC;

COMMIT;
