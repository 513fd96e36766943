// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the child knows of the 132 facts (tables 2 to 12, multipliers 1 to
// 12), from the settlings of each fact, oldest first. The state of a fact
// comes from its last settlings. When it should come back is the due day of
// its pair in the memory model (FSRS-6), which did better than fixed boxes
// on the simulated children; a fact à revoir comes back at once. The boxes
// (the right first tries since its last miss, five at most: the day of its
// last settling plus 0, 1, 3, 7, 14 or 30 days) are kept for a grid read
// without the memory of its pairs.
#pragma once

#include "core/memory/MemoirePaires.h"
#include "core/training/Fait.h"
#include "core/training/Livrets.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

inline constexpr int NbFaits = NbLivrets * NbMultiplicateurs;

enum class EtatFait {
    JamaisVu,     // never settled
    ARevoir,      // its last settling was right at a later try, or the answer given
    EnCours,      // right at the first try in its last one or two settlings
    Acquis,       // right at the first try in its last three settlings or more
    Automatise,   // acquis, each of those last three in 3.0 s at most
};
inline constexpr int NbEtatsFait = 5;
static_assert(int(EtatFait::Automatise) + 1 == NbEtatsFait);

// The state in words: "jamais vu", "à revoir"...
QString NomEtatFait(EtatFait etat);

// Where a fact stands among the 132: table after table, multipliers rising.
constexpr int IndexFait(int livret, int multiplicateur)
{
    return IndexLivret(livret) * NbMultiplicateurs + multiplicateur - 1;
}

// One settling of a fact.
struct Reglement
{
    QDate jour;          // of its saved training, or of the run on screen
    Issue issue = Issue::Essai1;
    qint32 dixiemes = 0;
};

// What is known of one fact: its last settlings, oldest first, and the right
// first tries since its last miss, counted over all its settlings.
struct HistoireFait
{
    static constexpr int Gardes = 10;   // settlings kept: more than any rule needs
    QList<Reglement> derniers;
    int serie = 0;

    void Ajouter(const Reglement& reglement);
};

// What the rules say of a fact on a given day.
struct SituationFait
{
    EtatFait etat = EtatFait::JamaisVu;
    int serie = 0;                       // right first tries in a row, to the last settling
    int boite = 0;                       // 0 to 5
    QDate dernier;                       // day of its last settling
    std::optional<double> tempsMoyen;    // seconds, over the last (up to three) right first tries in a row
    QDate retour;                        // the day it should come back, by its box; none if never seen

    // Whether it should be trained on that day: everything à revoir, and what
    // has come to its day.
    bool du(const QDate& aujourdhui) const { return retour.isValid() && retour <= aujourdhui; }
};

SituationFait Evaluer(const HistoireFait& histoire);
// The same, coming back when its pair is due by the memory model, or at once
// when à revoir; by its box when the memory of its pair is unknown.
SituationFait Evaluer(const HistoireFait& histoire, const MemoirePaire& paire);

// The days from a fact's last settling to its coming back, by the right
// first tries in a row it ends (its box): 0, 1, 3, 7, 14, then 30.
int JoursAvantRetour(int serie);

// The 132 facts, by table and multiplier.
class Bilan
{
public:
    HistoireFait& fait(int livret, int multiplicateur);
    const HistoireFait& fait(int livret, int multiplicateur) const;
    // The memory of the pairs, replayed from every settling.
    const MemoirePaires& memoire() const { return paires; }
    void DefinirMemoire(const MemoirePaires& memoire) { paires = memoire; }
    // Settlings newer than those known: the questions of the run on screen.
    void Ajouter(const QList<Fait>& faits, const QDate& jour);
    // What the rules say of a fact, its due day by the memory of its pair.
    SituationFait Situation(int livret, int multiplicateur) const;

private:
    std::array<HistoireFait, NbFaits> histoires;
    MemoirePaires paires;
};

// The facts of the ticked tables with a multiplier from 1 to multMax that
// are due on that day, in order: table after table, multipliers rising.
QList<Question> FaitsARevoir(const Bilan& bilan, const Coches& coches, int multMax, const QDate& aujourdhui);

// The fact as a question shows it, then its state in words: "7 x 8 = 56 : acquis".
QString ResumeFait(int livret, int multiplicateur, EtatFait etat);

// The fact as a question shows it, then its state in words, its right first
// tries in a row, its last settling, its mean time and the day it is due:
// "7 x 8 = 56 : acquis, 4 fois de suite du premier coup ; dernière fois le
// 03/12/2026 ; 2,4 s en moyenne ; à revoir le 17/12/2026".
QString DetailFait(int livret, int multiplicateur, const SituationFait& situation,
                   const QLocale& locale = QLocale());
