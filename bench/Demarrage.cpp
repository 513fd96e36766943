// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started as a user starts it, against the least a Qt Widgets
// program does to show a window.
#include "Lancement.h"
#include "Mesures.h"
#include "OutilsMesures.h"

#include <QDir>
#include <array>

namespace {

struct Figures
{
    Serie carte, dessin, memoire;
};

// The floor, then Calkado on an empty store and on 10,000 saved trainings,
// each started 15 times, turns interleaved so that a disturbance of the
// machine hits all alike.
std::array<Figures, 3> Lancer3(const DossierProgramme& vide, const DossierProgramme& rempli)
{
    const QString programme = QDir(vide.chemin()).filePath(QStringLiteral("Calkado"));
    const std::array<std::pair<QString, QString>, 3> cas = {{{QStringLiteral(CALKADO_PLANCHER), vide.chemin()},
                                                             {programme, vide.chemin()},
                                                             {programme, rempli.chemin()}}};
    std::array<Figures, 3> figures;
    for (int tour = 0; tour < 15; ++tour)
        for (std::size_t i = 0; i < cas.size(); ++i) {
            const Lancement l = Lancer(cas[i].first, cas[i].second, 2000);
            if (l.dessin < 0)
                qFatal("Aucune fenêtre n'est apparue : %s", qPrintable(cas[i].first));
            figures[i].carte.valeurs.push_back(l.carte);
            figures[i].dessin.valeurs.push_back(l.dessin);
            figures[i].memoire.valeurs.push_back(l.megaoctets);
        }
    return figures;
}

} // namespace

void MesurerDemarrage(Rapport& rapport)
{
    const DossierProgramme vide, rempli;
    RemplirEntrainements(rempli.base(), 10000);
    const std::array<Figures, 3> figures = Lancer3(vide, rempli);
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
    const QString memoirePlancher = Nombre(figures[0].memoire.mediane(), QStringLiteral("Mo"));
    for (int i = 0; i < 2; ++i) {
        const Figures& f = figures[std::size_t(i + 1)];
        rapport.ajouter({QStringLiteral("Mémoire résidente 2 s après, ") + noms[i], f.memoire, QStringLiteral("Mo"),
                         memoirePlancher, QStringLiteral("< 45 Mo"), f.memoire.maximum() < 45});
    }
}
