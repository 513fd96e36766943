// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages on paper as the store grows: the child's report and a diploma,
// each read from the store, drawn and written as a PDF file, as « Imprimer »
// makes it once the print dialog is answered.
#include "Mesures.h"
#include "OutilsMesures.h"

#include "core/papier/Diplome.h"
#include "core/papier/Rapport.h"
#include "core/results/DateHeure.h"
#include "ui/papier/DessinDiplome.h"
#include "ui/papier/DessinRapport.h"

#include <QDir>
#include <QPainter>

namespace {

struct Figures
{
    Serie rapport, diplome;
};

// The day of the newest saved training: its 7 and 30 days are full.
QDate DernierJour(MagasinResultats& magasin)
{
    const Lecture<QStringList> dates = magasin.LireDates();
    if (!dates || dates.valeur.isEmpty())
        qFatal("Aucun entraînement enregistré");
    return LireTexteBase(dates.valeur.first()).date();
}

Figures Mesurer(int entrainements)
{
    DossierProgramme dossier;
    RemplirEntrainements(dossier.base(), entrainements);
    MagasinResultats magasin(QStringLiteral("papier"), false);
    const QDate jour = DernierJour(magasin);
    const QString pdf = QDir(dossier.chemin()).filePath(QStringLiteral("page.pdf"));
    Figures f;
    for (int i = 0; i < 10; ++i) {
        const auto debut = Horodatage::now();
        const Lecture<RapportEnfant> rapport = LireRapport(magasin, QStringLiteral("Léa"), jour);
        if (!rapport || !DocumentRapport(rapport.valeur).EcrirePdf(pdf))
            qFatal("Le bilan n'a pas pu être écrit");
        f.rapport.valeurs.push_back(MillisecondesDepuis(debut));
    }
    // The diploma's day replays every settling of its table, the longest read.
    for (int i = 0; i < 10; ++i) {
        const auto debut = Horodatage::now();
        const Lecture<QList<ReglementLivret>> reglements = magasin.LireReglementsLivret(7);
        const Diplome diplome{QStringLiteral("Léa"), 7, NbMultiplicateurs, JourAutomatise(reglements.valeur, 12)};
        if (!reglements || !magasin.LireBilan() || !DocumentDiplomes({diplome}).EcrirePdf(pdf))
            qFatal("Le diplôme n'a pas pu être écrit");
        f.diplome.valeurs.push_back(MillisecondesDepuis(debut));
    }
    return f;
}

// Floor: an empty page written as a PDF file.
Serie Plancher()
{
    DossierProgramme dossier;
    Serie s;
    for (int i = 0; i < 10; ++i) {
        const auto debut = Horodatage::now();
        Document vide(QStringLiteral("vide"), QPageLayout::Portrait);
        vide.Ajouter([](QPainter&, const QRectF&) {});
        vide.EcrirePdf(QDir(dossier.chemin()).filePath(QStringLiteral("vide.pdf")));
        s.valeurs.push_back(MillisecondesDepuis(debut));
    }
    return s;
}

} // namespace

void MesurerPapier(Rapport& rapport)
{
    const QString ms = QStringLiteral("ms");
    const QString plancher = Nombre(Plancher().mediane(), ms);
    for (const int n : {100, 10000}) {
        const Figures f = Mesurer(n);
        const QString taille = QLocale(QLocale::French).toString(n) + QStringLiteral(" entraînements");
        const bool cible = n == 10000;
        const std::pair<QString, Serie> series[] = {{QStringLiteral("Bilan sur papier (lu, dessiné, PDF écrit)"), f.rapport},
                                                    {QStringLiteral("Diplôme sur papier (lu, dessiné, PDF écrit)"), f.diplome}};
        for (const auto& [nom, serie] : series)
            rapport.ajouter({nom + QStringLiteral(", ") + taille, serie, ms, plancher,
                             cible ? QStringLiteral("< 1000 ms") : QStringLiteral("–"),
                             !cible || serie.mediane() < 1000});
    }
}
