// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tableau.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr int NbFaits = Grille::Livrets * Grille::Multiplicateurs;

// Minutes until all 132 facts were at least in that state; all the days
// simulated for a child who never got there.
std::vector<double> MinutesEtat(const Groupe& groupe, std::size_t etat, double plafond)
{
    std::vector<double> minutes;
    for (const Parcours& p : groupe.parcours)
        minutes.push_back(p.minutesEtat[etat].value_or(plafond));
    return minutes;
}

QString Entier(double valeur)
{
    return QString::number(valeur, 'f', 0);
}

QString Pourcent(double part)
{
    return QString::number(100.0 * part, 'f', 0) + QStringLiteral(" %");
}

QString MoyenneAutomatises(const Groupe& groupe, std::size_t jour)
{
    double somme = 0;
    int nombre = 0;
    for (const Parcours& p : groupe.parcours)
        if (p.automatises[jour] >= 0) {
            somme += p.automatises[jour];
            ++nombre;
        }
    return nombre ? Entier(somme / nombre) : QStringLiteral("–");
}

QStringList Ligne(const Groupe& g, double plafond)
{
    const std::vector<double> automatise = MinutesEtat(g, EtatsReleves.size() - 1, plafond);
    const auto arrives = std::count_if(g.parcours.cbegin(), g.parcours.cend(),
                                       [](const Parcours& p) { return p.minutesEtat.back().has_value(); });
    double garde = 0, questions = 0, justes = 0;
    for (const Parcours& p : g.parcours) {
        garde += p.garde;
        questions += p.questions;
        justes += p.justesPremierEssai;
    }
    const double n = double(std::max<std::size_t>(g.parcours.size(), 1));
    QStringList cases = {g.facon, g.profil, Entier(Quantile(automatise, 0.5)), Entier(Quantile(automatise, 0.9)),
                         QStringLiteral("%1 / %2").arg(arrives).arg(g.parcours.size())};
    for (std::size_t etat = 0; etat + 1 < EtatsReleves.size(); ++etat)
        cases << Entier(Quantile(MinutesEtat(g, etat, plafond), 0.5));
    for (std::size_t jour = 0; jour < JoursReleves.size(); ++jour)
        cases << MoyenneAutomatises(g, jour);
    cases << Pourcent(garde / n) << Entier(questions / n) << Pourcent(questions > 0 ? justes / questions : 0);
    return cases;
}

} // namespace

double Quantile(std::vector<double> valeurs, double q)
{
    if (valeurs.empty())
        return 0;
    std::sort(valeurs.begin(), valeurs.end());
    const double rang = q * double(valeurs.size() - 1);
    const auto bas = static_cast<std::size_t>(std::floor(rang));
    const std::size_t haut = std::min(bas + 1, valeurs.size() - 1);
    return valeurs[bas] + (rang - double(bas)) * (valeurs[haut] - valeurs[bas]);
}

QString TableauMarkdown(const std::vector<Groupe>& groupes, const Reglages& reglages)
{
    QStringList titres = {QStringLiteral("Façon de s'entraîner"), QStringLiteral("Profil"),
                          QStringLiteral("Tout automatisé, médiane (min)"), QStringLiteral("P90 (min)"),
                          QStringLiteral("Arrivés"), QStringLiteral("Tout en cours, médiane (min)"),
                          QStringLiteral("Tout acquis, médiane (min)")};
    for (const int jour : JoursReleves)
        titres << QStringLiteral("Automatisés j%1").arg(jour);
    titres << QStringLiteral("Gardés à %1 j").arg(reglages.joursGarde) << QStringLiteral("Questions")
           << QStringLiteral("Justes du 1er coup");
    QStringList alignements = {QStringLiteral("---"), QStringLiteral("---")};
    while (alignements.size() < titres.size())
        alignements << QStringLiteral("---:");
    const auto ligne = [](const QStringList& cases) {
        return QStringLiteral("| ") + cases.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QString texte = ligne(titres) + ligne(alignements);
    const double plafond = double(reglages.jours) * reglages.minutesParJour;
    for (const Groupe& g : groupes)
        texte += ligne(Ligne(g, plafond));
    return texte;
}
