// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results store for the rest of the program, a file or the school's
// server: the one place that knows its tables, its columns and its SQL. A saved training is every row of one
// stored date and time ("yyyy-MM-dd HH:mm:ss"), one row per table worked on.
// Every verb opens the file when it needs to and reports a fault instead of
// failing silently; what the user is told comes from Expliquer.
#pragma once

#include "core/platform/Configuration.h"
#include "core/platform/Connexion.h"
#include "core/memory/MemoirePaires.h"
#include "core/results/Automatisation.h"
#include "core/results/Bilan.h"
#include "core/results/ChiffresPeriode.h"
#include "core/results/Classe.h"
#include "core/results/Progression.h"
#include "core/results/Resultats.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>
#include <optional>

class MagasinResultats
{
public:
    // The connection's name is Qt's; the file is the one of the working
    // folder. A store made before the facts were kept is brought up to date
    // as it is opened, unless told otherwise (a window that only reads).
    explicit MagasinResultats(const QString& nomConnexion, bool mettreAJour = true);
    ~MagasinResultats();
    // Kept on the school's server rather than in a file.
    bool serveur() const;
    // What the user is told of a fault: what went wrong with the results
    // file or server, then what it means for what was being done. Empty when
    // nothing went wrong.
    QString Expliquer(ProblemeBase probleme, const QString& consequence) const;

    // Opens the file and checks that it is a results file.
    ProblemeBase Verifier();
    void Fermer();
    QString nomConnexion() const { return connexion->nomConnexion(); }
    // Told true when a verb starts waiting for another program to let go of
    // the store, false when the wait is over.
    void QuandAttente(std::function<void(bool)> signal) { connexion->QuandAttente(std::move(signal)); }

    // Appends one row per table that has questions, in the order of the
    // tables, and the questions settled, in their order, all with the same
    // date and time, in one transaction: a failure leaves no row and no fact.
    // The date and time is the moment given, or the first second after it
    // that no saved training has yet. A save whose commit was lost with the
    // server is looked for first: when it was kept after all, only the
    // questions settled since are written.
    ProblemeBase EcrireResultats(const Resultats& resultats, const QList<Fait>& faits, const QDateTime& moment);

    // Whether the file holds at least one row.
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

    // The questions settled in the saved training of that date and time, in
    // their order; none in a store that keeps no facts.
    Lecture<QList<Fait>> LireFaits(const QString& dateHeure);

    // The last settlings of each of the 132 facts over all saved trainings,
    // with the memory of their pairs: the user's, or on the school's server
    // those of the pupil named.
    Lecture<Bilan> LireBilan(const QString& eleve = {});

    // The memory of the pairs of facts, which « Du jour » plans with and the
    // grid's due days come from, replayed from every fact saved, oldest
    // first: the user's, or on the school's server those of the pupil named.
    // A file keeps a copy of it, so that a read replays only the facts saved
    // since; a read that had to replay many brings the copy up to date (a
    // failure to, only means replaying them again next time).
    Lecture<MemoireLue> LireMemoire(const QString& eleve = {});

    // The teacher's view, on the school's server only; nothing is written.
    // The user's account and the classes they teach.
    Lecture<Enseignant> LireEnseignant();
    // The pupils of those classes, by class and name, with the sums of their
    // saved trainings from that day on (all of them without a day). Rows
    // that Calkado never writes, and those dated after tomorrow, are left out.
    Lecture<QList<EleveClasse>> LireClasse(const QDate& depuis, const QDate& aujourdhui);
    // The facts of each of those pupils who has any, from as many of their
    // last settlings as the states of the grid need, left out as above.
    Lecture<QList<Bilan>> LireBilansClasse(const QDate& aujourdhui);

    // The saved trainings of the progress chart, oldest first: the one of
    // that date and time and those made before it, at most
    // NbEntrainementsProgression, for one table or all of them. Twins saved
    // apart under one date and time count as one, where its latest row was
    // added, the later row of a table winning. None when no row carries that
    // date and time.
    Lecture<QList<PointProgression>> LireProgression(const QString& dateHeure, int livret);

    // The reads of the pages on paper; nothing is written. On the school's
    // server, those of the pupil named, the user's own without a name.
    // The questions settled day by day from that day on, oldest first.
    Lecture<QList<ActiviteJour>> LireActivite(const QDate& depuis, const QString& eleve = {});
    // The grid as it stood before the first saved training dated that day or
    // later: from the settlings saved before that one.
    Lecture<Bilan> LireBilanAvant(const QDate& jour, const QString& eleve = {});
    // The last NbEntrainementsProgression saved trainings, oldest first, with
    // the counts of all tables, as the progress chart reads them.
    Lecture<QList<PointProgression>> LireDerniersEntrainements(const QString& eleve = {});
    // Every settling of the facts of one table, in the order they were saved.
    Lecture<QList<ReglementLivret>> LireReglementsLivret(int livret, const QString& eleve = {});

    // The tables of the saved trainings and of their facts, and the columns
    // a save writes, in order, for the tests that read and write rows as
    // another program would.
    static const QString& Table();
    static const QStringList& Colonnes();
    static const QString& TableFaits();
    static const QStringList& ColonnesFaits();

private:
    // A save lost with the server as it committed, kept or not.
    struct EnSuspens
    {
        QString date;
        QList<Fait> faits;
    };

    ProblemeBase VerifierFichier(QSqlDatabase& base);
    ProblemeBase Ecrire(const Resultats& resultats, const QList<Fait>& faits, const QDateTime& moment);
    Lecture<bool> DateEnregistree(const QString& date);
    ProblemeBase EcrireLignes(QSqlDatabase& base, const Resultats& resultats, const QString& date);
    ProblemeBase EcrireFaits(QSqlDatabase& base, const QList<Fait>& faits, const QString& date);
    // Appends the rows given, each a list of values in the order of the
    // insertion's columns.
    ProblemeBase Inserer(QSqlDatabase& base, const QString& insertion, const QList<QVariantList>& lignes);
    ProblemeBase LireHistoire(const QString& eleve, int livret, int multiplicateur, HistoireFait& histoire);
    // The memory and the facts to replay, read by a statement already run,
    // the memory kept first if asked; none when the memory kept is unreadable.
    static std::optional<MemoireLue> Rejouer(QSqlQuery& requete, bool avecGardee);
    // Keeps that memory in the file, unless the facts it was replayed from
    // have changed since, on the connection already open.
    ProblemeBase GarderMemoire(const MemoirePaires& memoire);
    // The same from the settlings saved before the one given (its "Id").
    ProblemeBase LireHistoireAvant(const QString& eleve, int livret, int multiplicateur, qint64 borne,
                                   HistoireFait& histoire);

    ConfigurationServeur configuration;
    std::unique_ptr<Connexion> connexion;
    bool mettreAJour;
    bool faits = false;   // the store keeps the facts
    bool memoire = false; // and the memory of the pairs
    std::optional<EnSuspens> enSuspens;
};
