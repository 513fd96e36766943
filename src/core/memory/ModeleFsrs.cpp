// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModeleFsrs.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double DifficulteMin = 1;
constexpr double DifficulteMax = 10;

// The grade as the formulas count it, 1 to 4, whatever the value cast in.
int Rang(Note note)
{
    return std::clamp(int(note), int(Note::ARevoir), int(Note::Facile));
}

} // namespace

ModeleFsrs::ModeleFsrs(double retentionVoulue, int intervalleMaximum, const PoidsFsrs& poids)
    : w(poids)
    , retention(retentionVoulue)
    , intervalleMax(std::max(intervalleMaximum, 1))
    , decroissance(-poids[20])
    , facteur(std::pow(0.9, 1 / decroissance) - 1)
    , joursParStabilite((std::pow(retention, 1 / decroissance) - 1) / facteur)
    , difficulteFacile(w[4] - std::exp(w[5] * (Rang(Note::Facile) - 1)) + 1)
    , expW8(std::exp(w[8]))
{
    for (std::size_t g = 0; g < 4; ++g) {
        memeJour[g] = std::exp(w[17] * (double(g) - 2 + w[18]));
        // The growth memeJour S^-w19 is 1 at memeJour^(1/w19).
        stabiliteGardee[g] = w[19] > 0 ? std::pow(memeJour[g], 1 / w[19]) : std::numeric_limits<double>::infinity();
    }
}

EtatMemoire ModeleFsrs::Reviser(const EtatMemoire& etat, Note note, qint64 jour) const
{
    note = Note(Rang(note));
    EtatMemoire apres;
    if (!etat.vu()) {
        apres.stabilite = StabiliteInitiale(note);
        apres.difficulte = DifficulteInitiale(note);
    } else {
        jour = std::max(jour, etat.dernierJour);   // time does not run back
        const qint64 jours = jour - etat.dernierJour;
        if (jours == 0) {
            apres.stabilite = StabiliteMemeJour(etat.stabilite, note);
        } else {
            const double rappel = ProbabiliteRappel(double(jours), etat.stabilite);
            apres.stabilite = note == Note::ARevoir
                                ? StabiliteApresOubli(etat.difficulte, etat.stabilite, rappel)
                                : StabiliteApresSucces(etat.difficulte, etat.stabilite, rappel, note);
        }
        apres.difficulte = DifficulteSuivante(etat.difficulte, note);
    }
    apres.stabilite = std::clamp(apres.stabilite, StabiliteMin, StabiliteMax);
    apres.dernierJour = jour;
    apres.jourDu = jour + Intervalle(apres.stabilite);
    return apres;
}

EtatMemoire ModeleFsrs::Rejouer(std::span<const RevisionNotee> revisions) const
{
    EtatMemoire etat;
    for (const RevisionNotee& revision : revisions)
        etat = Reviser(etat, revision.note, revision.jour);
    return etat;
}

double ModeleFsrs::ProbabiliteRappel(const EtatMemoire& etat, qint64 jour) const
{
    if (!etat.vu())
        return 0;
    return ProbabiliteRappel(double(std::max<qint64>(jour - etat.dernierJour, 0)), etat.stabilite);
}

int ModeleFsrs::Intervalle(double stabilite) const
{
    const double jours = stabilite * joursParStabilite;
    // Written so that a stability out of reach (infinite, not a number) still
    // gives a day within the bounds.
    if (!(jours >= 1))
        return 1;
    if (jours >= intervalleMax)
        return intervalleMax;
    return int(std::lround(jours));
}

double ModeleFsrs::ProbabiliteRappel(double jours, double stabilite) const
{
    return std::pow(1 + facteur * jours / stabilite, decroissance);
}

double ModeleFsrs::StabiliteInitiale(Note note) const
{
    return w[std::size_t(Rang(note) - 1)];
}

double ModeleFsrs::DifficulteInitiale(Note note) const
{
    return std::clamp(w[4] - std::exp(w[5] * (Rang(note) - 1)) + 1, DifficulteMin, DifficulteMax);
}

double ModeleFsrs::DifficulteSuivante(double difficulte, Note note) const
{
    // The step shrinks as the difficulty nears 10, then a small pull towards
    // the difficulty of a first Easy keeps it from staying at the top.
    const double pas = -w[6] * (Rang(note) - 3);
    const double amortie = difficulte + (10 - difficulte) * pas / 9;
    return std::clamp(w[7] * difficulteFacile + (1 - w[7]) * amortie, DifficulteMin, DifficulteMax);
}

double ModeleFsrs::StabiliteMemeJour(double stabilite, Note note) const
{
    const auto rang = std::size_t(Rang(note) - 1);
    const bool rappele = rang > 0;
    // Recalled, a pair this stable would grow by less than 1: it is kept as
    // it is, and most same-day reviews are spared the power.
    if (rappele && stabilite >= stabiliteGardee[rang])
        return stabilite;
    double croissance = memeJour[rang] * std::pow(stabilite, -w[19]);
    if (rappele)
        croissance = std::max(croissance, 1.0);
    return stabilite * croissance;
}

double ModeleFsrs::StabiliteApresSucces(double difficulte, double stabilite, double rappel, Note note) const
{
    const double penalite = note == Note::Difficile ? w[15] : 1;
    const double bonus = note == Note::Facile ? w[16] : 1;
    return stabilite
         * (1 + expW8 * (11 - difficulte) * std::pow(stabilite, -w[9])
                    * (std::exp((1 - rappel) * w[10]) - 1) * penalite * bonus);
}

double ModeleFsrs::StabiliteApresOubli(double difficulte, double stabilite, double rappel) const
{
    // At most the stability over e^(w17 w18), the growth a Good on the same
    // day gives a stability of a day or more: a lapse then that Good never
    // leave the pair more stable than before.
    const double longTerme = w[11] * std::pow(difficulte, -w[12]) * (std::pow(stabilite + 1, w[13]) - 1)
                           * std::exp((1 - rappel) * w[14]);
    return std::min(longTerme, stabilite / memeJour[std::size_t(int(Note::Correct) - 1)]);
}
