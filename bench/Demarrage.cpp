// The program started as a user starts it, against the least a Qt Widgets
// program does to show a window.
#include "Lancement.h"
#include "Mesures.h"
#include "Outils.h"

#include <QDir>

namespace {

struct Figures
{
    Serie temps, memoire;
};

} // namespace

void MesurerDemarrage(Rapport& rapport)
{
    const Dossier vide, rempli(10000);
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
            if (l.millisecondes < 0)
                qFatal("Aucune fenêtre n'est apparue : %s", qPrintable(c.programme));
            c.figures.temps.valeurs.push_back(l.millisecondes);
            c.figures.memoire.valeurs.push_back(l.megaoctets);
        }

    const double plancher = cas[0].figures.temps.mediane();
    const QString textePlancher = Nombre(plancher, QStringLiteral("ms"));
    const QString memoirePlancher = Nombre(cas[0].figures.memoire.mediane(), QStringLiteral("Mo"));
    const QString noms[] = {QStringLiteral("magasin vide"), QStringLiteral("10 000 entraînements")};
    for (int i = 0; i < 2; ++i) {
        const Figures& f = cas[i + 1].figures;
        rapport.ajouter({QStringLiteral("Démarrage jusqu'à la fenêtre, ") + noms[i], f.temps, QStringLiteral("ms"),
                         textePlancher, QStringLiteral("< 1,5 × plancher"), f.temps.mediane() < 1.5 * plancher});
    }
    for (int i = 0; i < 2; ++i) {
        const Figures& f = cas[i + 1].figures;
        rapport.ajouter({QStringLiteral("Mémoire résidente 2 s après, ") + noms[i], f.memoire, QStringLiteral("Mo"),
                         memoirePlancher, QStringLiteral("< 45 Mo"), f.memoire.maximum() < 45});
    }
}
