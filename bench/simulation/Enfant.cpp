// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Enfant.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int PremierLivret = 2;
constexpr int DernierLivret = 12;
constexpr int DernierMultiplicateur = 12;

// The practice before the first day: every other day over eight weeks, at
// 17:00, each known fact twice a minute apart.
constexpr int JoursAvant = 56;
constexpr int Intervalle = 2;
constexpr double Heure = 17 * 3600.0;
constexpr double Jour = 86400.0;
constexpr double Ecart = 60.0;

// The fragment of a pair i ≤ j of numbers 2 to 12, after the 11 of 1 x n.
int Paire(int i, int j)
{
    const int a = i - PremierLivret, b = j - PremierLivret;
    const int nombres = DernierLivret - PremierLivret + 1;
    return nombres + a * nombres - a * (a - 1) / 2 + (b - a);
}

} // namespace

int Fragment(int multiplicateur, int livret)
{
    if (multiplicateur == 1)
        return livret - PremierLivret;
    return Paire(std::min(multiplicateur, livret), std::max(multiplicateur, livret));
}

Caractere TirerCaractere(std::uint64_t graine)
{
    // Always drawn in this order, so that a child is the same in every way
    // of training.
    Tirage tirage(Graine(graine, 0));
    Caractere c;
    c.actr.a *= tirage.entre(0.9, 1.1);
    c.actr.tau *= tirage.entre(0.9, 1.1);
    c.saisie = tirage.entre(0.7, 2.0);
    c.livretsParSeance = 2 + tirage.parmi(2);
    return c;
}

const std::vector<Profil>& Profils()
{
    static const std::vector<Profil> profils = {
        {QStringLiteral("commence le CE2"), {2, 5, 10}},
        {QStringLiteral("ne sait rien"), {}},
    };
    return profils;
}

Enfant::Enfant(const Caractere& caractere, std::uint64_t graine, double origine)
    : c(caractere), memoire(c.actr, NbFragments), temps(c.actr.h, origine), tirage(Graine(graine, 1))
{
}

void Enfant::Preparer(const Profil& profil, double debut)
{
    std::vector<bool> connus(NbFragments, false);
    for (const int connu : profil.livretsConnus)
        for (int n = 1; n <= DernierMultiplicateur; ++n) {
            connus[std::size_t(Fragment(n, connu))] = true;
            if (n >= PremierLivret)
                connus[std::size_t(Fragment(connu, n))] = true;
        }
    if (std::find(connus.begin(), connus.end(), true) == connus.end())
        return;
    const double premierJour = std::floor(debut / Jour) - JoursAvant;
    for (int jour = 0; jour < JoursAvant; jour += Intervalle) {
        const double seance = (premierJour + jour) * Jour + Heure;
        CommencerSeance(seance);
        for (double t : {seance, seance + Ecart})
            for (int f = 0; f < NbFragments; ++f)
                if (connus[std::size_t(f)])
                    memoire.Presenter(f, temps(t));
        TerminerSeance(seance + Ecart);
    }
}

void Enfant::CommencerSeance(double reel)
{
    temps.CommencerSeance(reel);
}

void Enfant::TerminerSeance(double reel)
{
    temps.TerminerSeance(reel);
}

Essai Enfant::Essayer(int multiplicateur, int livret, double reel, int dernierFaux)
{
    const double m = memoire.Activation(Fragment(multiplicateur, livret), temps(reel));
    if (tirage.uniforme() < memoire.Rappel(m))
        return {multiplicateur * livret, memoire.Latence(m) + c.saisie};
    return {ProduitVoisin(multiplicateur, livret, dernierFaux), memoire.LatenceEchec() + c.saisie};
}

int Enfant::ProduitVoisin(int multiplicateur, int livret, int dernierFaux)
{
    // The products of the facts next to it: one more or one less of the
    // multiplier or of the table, the factors staying within 1 to 12; two
    // more or less where that leaves nothing (12 x 12 after 132).
    std::vector<int> voisins;
    for (int ecart = 1; voisins.empty(); ++ecart)
        for (const auto& [dm, dl] : {std::pair{-ecart, 0}, {ecart, 0}, {0, -ecart}, {0, ecart}}) {
            const int m = multiplicateur + dm, l = livret + dl;
            if (m >= 1 && m <= DernierMultiplicateur && l >= 1 && l <= DernierLivret
                && m * l != multiplicateur * livret && m * l != dernierFaux)
                voisins.push_back(m * l);
        }
    std::sort(voisins.begin(), voisins.end());
    voisins.erase(std::unique(voisins.begin(), voisins.end()), voisins.end());
    return voisins[std::size_t(tirage.parmi(int(voisins.size())))];
}

void Enfant::Apprendre(int multiplicateur, int livret, double reel)
{
    memoire.Presenter(Fragment(multiplicateur, livret), temps(reel));
}

double Enfant::Rappel(int multiplicateur, int livret, double reel) const
{
    return memoire.Rappel(memoire.Activation(Fragment(multiplicateur, livret), temps(reel)));
}
