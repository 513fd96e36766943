// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a table's diploma says, without its drawing: the child's name, the
// table, the day it was earned and the facts it stands for.
#pragma once

#include "core/storage/MagasinResultats.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

struct Diplome
{
    QString nom;
    int livret = 0;
    int multMax = NbMultiplicateurs;   // its facts: 1 x livret to multMax x livret
    QDate jour;                        // the day its facts last all became automatisé
};

// The table's diploma when it is earned, dated from the settlings of its
// facts; none when it is not.
Lecture<std::optional<Diplome>> LireDiplome(MagasinResultats& magasin, const QString& nom, int livret,
                                            const QString& eleve = {});
