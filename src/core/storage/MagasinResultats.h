// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results store for the rest of the program, a file or the school's
// server, through one connection: its verbs are those of its parts, each a
// feature of its own (the saved trainings and their facts, the memory of the
// pairs, the grid and the chart, the pages on paper, the teacher's class), and this folder is the
// one place that knows its tables, its columns and its SQL. Every verb opens
// the store when it needs to and reports a fault instead of failing
// silently; what the user is told comes from Expliquer.
#pragma once

#include "core/storage/BaseResultats.h"
#include "core/storage/MagasinBilan.h"
#include "core/storage/MagasinClasse.h"
#include "core/storage/MagasinEntrainements.h"
#include "core/storage/MagasinMemoire.h"
#include "core/storage/MagasinPapier.h"

class MagasinResultats
{
public:
    // The connection's name is Qt's; the file is the one of the working
    // folder. A store made before the facts were kept is brought up to date
    // as it is opened, unless told otherwise (a window that only reads).
    explicit MagasinResultats(const QString& nomConnexion, bool mettreAJour = true);
    // Kept on the school's server rather than in a file.
    bool serveur() const { return base.serveur(); }
    // What the user is told of a fault: what went wrong with the results
    // file or server, then what it means for what was being done. Empty when
    // nothing went wrong.
    QString Expliquer(ProblemeBase probleme, const QString& consequence) const
    {
        return base.Expliquer(probleme, consequence);
    }

    // Opens the file and checks that it is a results file.
    ProblemeBase Verifier() { return base.connexion().Ouvrir(); }
    void Fermer() { base.connexion().Fermer(); }
    QString nomConnexion() const { return base.connexion().nomConnexion(); }
    // Told true when a verb starts waiting for another program to let go of
    // the store, false when the wait is over.
    void QuandAttente(std::function<void(bool)> signal) { base.connexion().QuandAttente(std::move(signal)); }

    // The saved trainings and their facts (MagasinEntrainements).
    ProblemeBase EcrireResultats(const Resultats& resultats, const QList<Fait>& faits, const QDateTime& moment)
    {
        return entrainements.EcrireResultats(resultats, faits, moment);
    }
    Lecture<bool> ContientDesResultats() { return entrainements.ContientDesResultats(); }
    Lecture<QStringList> LireDates() { return entrainements.LireDates(); }
    Lecture<Resultats> LireResultats(const QString& dateHeure) { return entrainements.LireResultats(dateHeure); }
    ProblemeBase SupprimerEntrainement(const QString& dateHeure)
    {
        return entrainements.SupprimerEntrainement(dateHeure);
    }

    // The memory of the pairs of facts (MagasinMemoire).
    Lecture<MemoireLue> LireMemoire(const QString& eleve = {}) { return memoire.LireMemoire(eleve); }

    // The grid and the chart (MagasinBilan).
    Lecture<Bilan> LireBilan(const QString& eleve = {}) { return bilan.LireBilan(eleve); }
    Lecture<QList<PointProgression>> LireProgression(const QString& dateHeure, int livret)
    {
        return bilan.LireProgression(dateHeure, livret);
    }

    // The teacher's view, on the school's server only (MagasinClasse).
    Lecture<Enseignant> LireEnseignant() { return classe.LireEnseignant(); }
    Lecture<QList<EleveClasse>> LireClasse(const QDate& depuis, const QDate& aujourdhui)
    {
        return classe.LireClasse(depuis, aujourdhui);
    }
    Lecture<QList<Bilan>> LireBilansClasse(const QDate& aujourdhui) { return classe.LireBilansClasse(aujourdhui); }

    // The pages on paper (MagasinPapier).
    Lecture<QList<ActiviteJour>> LireActivite(const QDate& depuis, const QString& eleve = {})
    {
        return papier.LireActivite(depuis, eleve);
    }
    Lecture<Bilan> LireBilanAvant(const QDate& jour, const QString& eleve = {})
    {
        return papier.LireBilanAvant(jour, eleve);
    }
    Lecture<QList<PointProgression>> LireDerniersEntrainements(const QString& eleve = {})
    {
        return papier.LireDerniersEntrainements(eleve);
    }
    Lecture<QList<ReglementLivret>> LireReglementsLivret(int livret, const QString& eleve = {})
    {
        return papier.LireReglementsLivret(livret, eleve);
    }

    // The tables of the saved trainings and of their facts, and the columns
    // a save writes, in order, for the tests that read and write rows as
    // another program would.
    static const QString& Table();
    static const QStringList& Colonnes();
    static const QString& TableFaits();
    static const QStringList& ColonnesFaits();

private:
    BaseResultats base;
    MagasinEntrainements entrainements;
    MagasinMemoire memoire;
    MagasinBilan bilan;
    MagasinPapier papier;
    MagasinClasse classe;
};
