-- The results store of Calkado: one row per multiplication table worked on
-- in a saved training. The rows of one saved training share their DateHeure.
-- Rows are only ever added or deleted; "Id" keeps the order they were added in.
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
