// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Facons.h"

namespace {

// The first tables, in order, whose row is not all at least in that state.
std::vector<int> Premiers(const Grille& grille, EtatCase etat, int nombre)
{
    std::vector<int> livrets;
    for (int livret = 2; livret < 2 + Grille::Livrets && int(livrets.size()) < nombre; ++livret)
        if (!grille.LivretAuMoins(livret, etat))
            livrets.push_back(livret);
    return livrets;
}

template<typename F>
FaconInscrite Inscrire(const char* nom)
{
    return {QString::fromUtf8(nom), [] { return std::make_unique<F>(); }};
}

FaconInscrite InscrireJour(const char* nom, const ReglagesDuJour& reglages)
{
    return {QString::fromUtf8(nom), [reglages] { return std::make_unique<FaconJour>(reglages); }, false};
}

} // namespace

const std::vector<FaconInscrite>& Facons()
{
    static const std::vector<FaconInscrite> facons = {
        Inscrire<FaconTables>("tables"),
        Inscrire<FaconTablesRevision>("tables + révision"),
        InscrireJour("du jour, boîtes", {true, 10, 3, {}}),
        InscrireJour("du jour, FSRS-6", {false, 10, 3, {}}),
    };
    return facons;
}

Seance FaconTables::Commencer(Programme& programme, const Journee& journee)
{
    std::vector<int> livrets = Premiers(journee.grille, EtatCase::Acquis, journee.enfant.livretsParSeance);
    if (livrets.empty())
        livrets = Premiers(journee.grille, EtatCase::Automatise, journee.enfant.livretsParSeance);
    if (livrets.empty())
        return {};
    programme.CommencerTables(livrets);
    return {true, QuestionsParLivret * int(livrets.size())};
}

Seance FaconTablesRevision::Commencer(Programme& programme, const Journee& journee)
{
    if (journee.seance == 0 && programme.CommencerRevision())
        return {true, 0};
    return FaconTables::Commencer(programme, journee);
}

Seance FaconJour::Commencer(Programme& programme, const Journee& /*journee*/)
{
    return {programme.CommencerJour(reglages), 0};
}
