// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The memory of the pairs of facts in the results store: replayed from
// every fact saved, oldest first, and in a file kept as a copy, so that a
// read replays only the facts saved since.
#pragma once

#include "core/memory/MemoirePaires.h"
#include "core/storage/BaseResultats.h"

#include <optional>

class QSqlQuery;

class MagasinMemoire
{
public:
    explicit MagasinMemoire(BaseResultats& base);

    // The memory of the pairs of facts, which « Du jour » plans with and the
    // grid's due days come from, replayed from every fact saved, oldest
    // first: the user's, or on the school's server those of the pupil named.
    // A file keeps a copy of it, so that a read replays only the facts saved
    // since; a read that had to replay many brings the copy up to date (a
    // failure to, only means replaying them again next time).
    Lecture<MemoireLue> LireMemoire(const QString& eleve = {});

private:
    // The memory and the facts to replay, read by a statement already run,
    // the memory kept first if asked; none when the memory kept is unreadable.
    static std::optional<MemoireLue> Rejouer(QSqlQuery& requete, bool avecGardee);
    // Keeps that memory in the file, unless the facts it was replayed from
    // have changed since, on the connection already open.
    ProblemeBase GarderMemoire(const MemoirePaires& memoire);

    BaseResultats& base;
};
