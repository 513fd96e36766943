// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started as a user starts it, against the least a Qt Widgets
// program does to show a window; and for a family of two children, the
// question « Qui s'entraîne ? » that comes first, then the main window once
// the child is chosen.
#include "Lancement.h"
#include "Mesures.h"
#include "OutilsMesures.h"

#include "core/family/Famille.h"

#include <QDir>
#include <array>

namespace {

struct Figures
{
    Serie carte, dessin, memoire, carteApres, dessinApres;
};

// The floor, then Calkado on an empty store, on 10,000 saved trainings, and
// for a family of two (the digit 1 chooses the first child, whose store is
// empty), each started 15 times, turns interleaved so that a disturbance of
// the machine hits all alike.
std::array<Figures, 4> Lancer4(const DossierProgramme& vide, const DossierProgramme& rempli,
                               const DossierProgramme& famille)
{
    const QString programme = QDir(vide.chemin()).filePath(QStringLiteral("Calkado"));
    const std::array<std::pair<QString, QString>, 4> cas = {{{QStringLiteral(CALKADO_PLANCHER), vide.chemin()},
                                                             {programme, vide.chemin()},
                                                             {programme, rempli.chemin()},
                                                             {programme, famille.chemin()}}};
    std::array<Figures, 4> figures;
    for (int tour = 0; tour < 15; ++tour)
        for (std::size_t i = 0; i < cas.size(); ++i) {
            const bool choix = i == 3;
            const Lancement l = Lancer(cas[i].first, cas[i].second, choix ? 0 : 2000, choix ? '1' : 0);
            if (l.dessin < 0 || (choix && l.dessinApres < 0))
                qFatal("Aucune fenêtre n'est apparue : %s dans %s", qPrintable(cas[i].first), qPrintable(cas[i].second));
            figures[i].carte.valeurs.push_back(l.carte);
            figures[i].dessin.valeurs.push_back(l.dessin);
            figures[i].memoire.valeurs.push_back(l.megaoctets);
            figures[i].carteApres.valeurs.push_back(l.carteApres);
            figures[i].dessinApres.valeurs.push_back(l.dessinApres);
        }
    return figures;
}

void RemplirFamille(const DossierProgramme& dossier)
{
    Famille famille(dossier.chemin());
    for (const QString& nom : {QStringLiteral("Zoé"), QStringLiteral("Léo")})
        if (!famille.Ajouter(nom).isEmpty())
            qFatal("La famille ne se fait pas");
}

// « Qui s'entraîne ? » within 1.2 times what the main window takes today;
// after the choice, the main window as fast as it is at start today.
void RapporterFamille(Rapport& rapport, const std::array<Figures, 4>& figures)
{
    const Figures &aujourdhui = figures[1], &famille = figures[3];
    const std::pair<QString, Serie Figures::*> etapes[] = {{QStringLiteral("montrée"), &Figures::carte},
                                                           {QStringLiteral("dessinée"), &Figures::dessin}};
    for (const auto& [etat, serie] : etapes) {
        const double fenetre = (aujourdhui.*serie).mediane();
        rapport.ajouter({QStringLiteral("Démarrage jusqu'à « Qui s'entraîne ? » ") + etat + QStringLiteral(", deux enfants"),
                         famille.*serie, QStringLiteral("ms"), Nombre((figures[0].*serie).mediane(), QStringLiteral("ms")),
                         QStringLiteral("< 1,2 × fenêtre principale (%1)").arg(Nombre(fenetre, QStringLiteral("ms"))),
                         (famille.*serie).mediane() < 1.2 * fenetre});
    }
    const std::pair<QString, std::pair<Serie Figures::*, Serie Figures::*>> apres[] = {
        {QStringLiteral("montrée"), {&Figures::carteApres, &Figures::carte}},
        {QStringLiteral("dessinée"), {&Figures::dessinApres, &Figures::dessin}}};
    for (const auto& [etat, series] : apres) {
        const double fenetre = (aujourdhui.*series.second).mediane();
        rapport.ajouter({QStringLiteral("Fenêtre principale après le choix (touche 1 → fenêtre ") + etat + QLatin1Char(')'),
                         famille.*series.first, QStringLiteral("ms"), {},
                         QStringLiteral("≤ démarrage sans enfants (%1)").arg(Nombre(fenetre, QStringLiteral("ms"))),
                         (famille.*series.first).mediane() <= fenetre});
    }
}

} // namespace

void MesurerDemarrage(Rapport& rapport)
{
    const DossierProgramme vide, rempli, famille;
    RemplirEntrainements(rempli.base(), 10000);
    RemplirFamille(famille);
    const std::array<Figures, 4> figures = Lancer4(vide, rempli, famille);
    const QString noms[] = {QStringLiteral("magasin vide"), QStringLiteral("10 000 entraînements")};
    // Shown: mapped by the X server, then drawn, which is when the user sees it.
    const std::pair<QString, Serie Figures::*> etapes[] = {
        {QStringLiteral("Démarrage jusqu'à la fenêtre montrée, "), &Figures::carte},
        {QStringLiteral("Démarrage jusqu'à la fenêtre dessinée, "), &Figures::dessin}};
    for (const auto& [nom, serie] : etapes) {
        const double plancher = (figures[0].*serie).mediane();
        for (int i = 0; i < 2; ++i) {
            const Serie& s = figures[std::size_t(i + 1)].*serie;
            rapport.ajouter({nom + noms[i], s, QStringLiteral("ms"), Nombre(plancher, QStringLiteral("ms")),
                             QStringLiteral("< 1,5 × plancher"), s.mediane() < 1.5 * plancher});
        }
    }
    RapporterFamille(rapport, figures);
    const QString memoirePlancher = Nombre(figures[0].memoire.mediane(), QStringLiteral("Mo"));
    for (int i = 0; i < 2; ++i) {
        const Figures& f = figures[std::size_t(i + 1)];
        rapport.ajouter({QStringLiteral("Mémoire résidente 2 s après, ") + noms[i], f.memoire, QStringLiteral("Mo"),
                         memoirePlancher, QStringLiteral("< 45 Mo"), f.memoire.maximum() < 45});
    }
}
