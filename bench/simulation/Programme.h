// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Calkado as the simulated child meets it: the real training engine, the
// real rules of the grid and of « Revoir mes erreurs », and the real results
// file of the working folder, run by the simulation's clock. This header and
// its source are the only place of the simulation that uses the core: a
// change of the core's interfaces is adapted here alone.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The states of a fact in the grid, worst to best, as Calkado defines them.
enum class EtatCase { JamaisVu, ARevoir, EnCours, Acquis, Automatise };

// The 132 facts as the grid shows them, table after table, multipliers 1 to 12.
struct Grille
{
    static constexpr int Livrets = 11;
    static constexpr int Multiplicateurs = 12;
    std::array<EtatCase, Livrets * Multiplicateurs> etats{};

    EtatCase etat(int livret, int multiplicateur) const
    {
        return etats[std::size_t((livret - 2) * Multiplicateurs + multiplicateur - 1)];
    }
    // How many facts are in that state or a better one.
    int AuMoins(EtatCase etat) const;
    // Whether the whole row of the table is.
    bool LivretAuMoins(int livret, EtatCase etat) const;
};

// A question asked: the multiplier times the table.
struct QuestionPosee
{
    int multiplicateur = 0;
    int livret = 0;
};

// How « Du jour » plans, as the simulation tries it: its memory (FSRS-6 or
// the fixed boxes), its daily limits, and the teaching order as tables
// (0 for the squares); empty, Calkado's own.
struct ReglagesDuJour
{
    bool boites = false;
    int verifications = 10;
    int nouvelles = 3;
    std::vector<int> tables;
};

class Programme
{
public:
    // The results file CalkadoVa.sqlite of the working folder, made afresh
    // from the schema; false, with the reason, when it cannot be.
    static bool CreerFichier(QString* erreur);

    // The clock is read, never changed: milliseconds since `origine`.
    Programme(const std::int64_t& horloge, const QDateTime& origine, std::uint64_t graine);
    ~Programme();

    // The grid of the saved trainings, read from the file as the « Bilan »
    // window reads it; the program stops when it differs from the grid the
    // saves have made so far.
    const Grille& LireGrille();
    const Grille& grille() const;

    // A run on those tables, multipliers 1 to 12, drawn at random.
    void CommencerTables(const std::vector<int>& livrets);
    // « Revoir mes erreurs » on every table, 1 to 12, at random; false when
    // there is nothing to review today (no run starts).
    bool CommencerRevision();
    // « Du jour », multipliers 1 to 12; false when there is nothing to do
    // today (no run starts).
    bool CommencerJour(const ReglagesDuJour& reglages);
    // Whether the program ended the run by itself (every fact reviewed, the
    // day's plan done or its time up).
    bool SeanceTerminee() const;

    QuestionPosee NouvelleQuestion();
    // Whether the answer typed is right.
    bool Tester(int valeur);
    void DonnerReponse();
    // Saves the results on screen at the clock's moment, as « Enregistrer »
    // does; the grid follows.
    void Enregistrer();
    bool ResultatsPresents() const;

private:
    struct Coeur;
    std::unique_ptr<Coeur> coeur;
};
