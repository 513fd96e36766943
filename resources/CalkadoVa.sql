-- SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
-- SPDX-License-Identifier: GPL-3.0-or-later

-- The results store of Calkado. It is made in sections, each ending with the
-- version it brings the store to: a new store gets them all, and the program
-- brings an older store up to date with the sections after its version.
-- A statement ends with a ";" that ends its line.

-- One row per multiplication table worked on in a saved training. The rows of
-- one saved training share their DateHeure. Rows are only ever added or
-- deleted; "Id" keeps the order they were added in.
CREATE TABLE "TCalkado" (
    "Id"                  INTEGER PRIMARY KEY,
    "DateHeure"           TEXT    NOT NULL,   -- local time, 'YYYY-MM-DD HH:MM:SS'
    "Multiplicateur1a12"  INTEGER NOT NULL,   -- 1: multipliers 1 to 12, 0: 1 to 10
    "Aléatoire"           INTEGER NOT NULL,   -- 1: questions drawn at random
    "NumLivret"           INTEGER NOT NULL,   -- the table, 2 to 12
    "NbQuestionParLivret" INTEGER NOT NULL,   -- questions settled
    "NbQuestionEssai1"    INTEGER NOT NULL,   -- right at the first try
    "TempsTotalEssai1"    INTEGER NOT NULL,   -- their summed time, in tenths of a second
    "NbQuestionEssai2"    INTEGER NOT NULL,   -- right at a later try
    "NbQuestionRéponse"   INTEGER NOT NULL    -- answer given
);

-- A saved training is found by its date and time.
CREATE INDEX "TCalkado_DateHeure" ON "TCalkado" ("DateHeure");

PRAGMA user_version = 0;

-- Every question settled in a saved training, in the order of settling. The
-- facts of one table of a saved training agree with its row of "TCalkado":
-- as many, split the same way, the times of the right first tries summing to
-- its time.
CREATE TABLE "TFait" (
    "Id"             INTEGER PRIMARY KEY,
    "DateHeure"      TEXT    NOT NULL,   -- its saved training's
    "NumLivret"      INTEGER NOT NULL,   -- the table, 2 to 12 (the second term)
    "Multiplicateur" INTEGER NOT NULL,   -- 1 to 12 (the first term)
    "Issue"          INTEGER NOT NULL,   -- 1: right at the first try, 2: at a later one, 3: answer given
    "NbEssais"       INTEGER NOT NULL,   -- tries counted
    "Dixiemes"       INTEGER NOT NULL    -- from the question shown to its settling, in tenths of a second
);

-- The facts of a saved training, and the last settlings of one fact.
CREATE INDEX "TFait_DateHeure" ON "TFait" ("DateHeure", "NumLivret");
CREATE INDEX "TFait_Fait" ON "TFait" ("NumLivret", "Multiplicateur", "Id");

-- A row deleted, by any program, takes the facts of its table with it.
CREATE TRIGGER "TCalkado_Faits" AFTER DELETE ON "TCalkado"
BEGIN DELETE FROM "TFait" WHERE "DateHeure" = OLD."DateHeure" AND "NumLivret" = OLD."NumLivret"; END;

PRAGMA user_version = 1;

-- The memory of the pairs of facts that « Du jour » replays from "TFait", kept
-- so that the replay starts from it rather than from the first fact: never a
-- truth of its own, and rebuilt by Calkado whenever it is missing or stale.
-- Any change of the facts, by any program, empties it, but a fact added
-- after the last one it has replayed, which is replayed on top of it.
CREATE TABLE "TMemoire" (
    "Cle"         INTEGER PRIMARY KEY CHECK ("Cle" = 1),   -- one row at most
    "Version"     INTEGER NOT NULL,   -- of the replay and its text: another is rebuilt
    "DernierFait" INTEGER NOT NULL,   -- the "Id" of the last fact replayed
    "Etat"        TEXT    NOT NULL    -- each pair's memory, as Calkado writes it
);

CREATE TRIGGER "TFait_Memoire_Suppression" AFTER DELETE ON "TFait"
BEGIN DELETE FROM "TMemoire"; END;
CREATE TRIGGER "TFait_Memoire_Modification" AFTER UPDATE ON "TFait"
BEGIN DELETE FROM "TMemoire"; END;
CREATE TRIGGER "TFait_Memoire_Ajout" AFTER INSERT ON "TFait" WHEN NEW."Id" <= (SELECT MAX("DernierFait") FROM "TMemoire")
BEGIN DELETE FROM "TMemoire"; END;

PRAGMA user_version = 2;
