// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started as a user starts it, against the least a Qt Widgets
// program does to show a window.
#include "Lancement.h"
#include "Mesures.h"
#include "OutilsMesures.h"

#include <QDir>

namespace {

struct Figures
{
    Serie carte, dessin, memoire;
};

} // namespace

void MesurerDemarrage(Rapport& rapport)
{
    const DossierProgramme vide, rempli;
    RemplirEntrainements(rempli.base(), 10000);
    const QString programme = QDir(vide.chemin()).filePath(QStringLiteral("Calkado"));
    struct Cas
    {
        QString programme, dossier;
        Figures figures;
    };
    Cas cas[] = {{QStringLiteral(CALKADO_PLANCHER), vide.chemin(), {}},
                 {programme, vide.chemin(), {}},
                 {programme, rempli.chemin(), {}}};
    // Turns interleaved, so that a disturbance of the machine hits all alike.
    for (int tour = 0; tour < 15; ++tour)
        for (Cas& c : cas) {
            const Lancement l = Lancer(c.programme, c.dossier, 2000);
            if (l.dessin < 0)
                qFatal("Aucune fenêtre n'est apparue : %s", qPrintable(c.programme));
            c.figures.carte.valeurs.push_back(l.carte);
            c.figures.dessin.valeurs.push_back(l.dessin);
            c.figures.memoire.valeurs.push_back(l.megaoctets);
        }

    const QString noms[] = {QStringLiteral("magasin vide"), QStringLiteral("10 000 entraînements")};
    // Shown: mapped by the X server, then drawn, which is when the user sees it.
    const std::pair<QString, Serie Figures::*> etapes[] = {
        {QStringLiteral("Démarrage jusqu'à la fenêtre montrée, "), &Figures::carte},
        {QStringLiteral("Démarrage jusqu'à la fenêtre dessinée, "), &Figures::dessin}};
    for (const auto& [nom, serie] : etapes) {
        const double plancher = (cas[0].figures.*serie).mediane();
        for (int i = 0; i < 2; ++i) {
            const Serie& s = cas[i + 1].figures.*serie;
            rapport.ajouter({nom + noms[i], s, QStringLiteral("ms"), Nombre(plancher, QStringLiteral("ms")),
                             QStringLiteral("< 1,5 × plancher"), s.mediane() < 1.5 * plancher});
        }
    }
    const QString memoirePlancher = Nombre(cas[0].figures.memoire.mediane(), QStringLiteral("Mo"));
    for (int i = 0; i < 2; ++i) {
        const Figures& f = cas[i + 1].figures;
        rapport.ajouter({QStringLiteral("Mémoire résidente 2 s après, ") + noms[i], f.memoire, QStringLiteral("Mo"),
                         memoirePlancher, QStringLiteral("< 45 Mo"), f.memoire.maximum() < 45});
    }
}
