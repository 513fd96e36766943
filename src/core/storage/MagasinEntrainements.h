// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved trainings and their facts in the results store: a save, the list
// of saved trainings, one read back, one deleted. A saved training is every
// row of one stored date and time, one row per table worked on.
#pragma once

#include "core/results/Resultats.h"
#include "core/storage/BaseResultats.h"
#include "core/training/Fait.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

class MagasinEntrainements
{
public:
    explicit MagasinEntrainements(BaseResultats& base);

    // Appends one row per table that has questions, in the order of the
    // tables, and the questions settled, in their order, all with the same
    // date and time, in one transaction: a failure leaves no row and no fact.
    // The date and time is the moment given, or the first second after it
    // that no saved training has yet. A save whose commit was lost with the
    // server is looked for first: when it was kept after all, only the
    // questions settled since are written.
    ProblemeBase EcrireResultats(const Resultats& resultats, const QList<Fait>& faits, const QDateTime& moment);
    // Whether the store holds at least one row.
    Lecture<bool> ContientDesResultats();
    // The stored dates and times of the saved trainings, the newest first:
    // rows next to each other with the same value make one saved training.
    Lecture<QStringList> LireDates();
    // The results of the saved training of that date and time; when two rows
    // carry the same table, the one added later counts. A table outside 2 to
    // 12, which the program never writes, is left out.
    Lecture<Resultats> LireResultats(const QString& dateHeure);
    // Deletes every row of that date and time and their facts, in one
    // transaction; Introuvable when there is none.
    ProblemeBase SupprimerEntrainement(const QString& dateHeure);

private:
    // A save lost with the server as it committed, kept or not.
    struct EnSuspens
    {
        QString date;
        QList<Fait> faits;
    };

    ProblemeBase Ecrire(const Resultats& resultats, const QList<Fait>& faits, const QDateTime& moment);
    Lecture<bool> DateEnregistree(const QString& date);
    // The moment asked for, or the first second after it that no saved
    // training has yet: two saves never share their date and time.
    Lecture<QString> DateLibre(QSqlDatabase& base, QDateTime moment);
    ProblemeBase EcrireLignes(QSqlDatabase& base, const Resultats& resultats, const QString& date);
    ProblemeBase EcrireFaits(QSqlDatabase& base, const QList<Fait>& faits, const QString& date);
    // Appends the rows given to the table, each a list of values in the
    // order of its columns.
    ProblemeBase Inserer(QSqlDatabase& base, const QString& table, const QStringList& colonnes,
                         const QList<QVariantList>& lignes);
    ProblemeBase SupprimerDuFichier(const QString& dateHeure);

    BaseResultats& base;
    std::optional<EnSuspens> enSuspens;
};
