// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Felicitations.h"

#include "DessinDiplome.h"
#include "Impression.h"
#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/papier/Diplome.h"
#include "ui/platform/BoiteMessage.h"

#include <QPrinter>

namespace {

// The diplomas of the tables, read from the store now that it holds the
// save, then printed.
void ImprimerDiplomes(QWidget* parent, MagasinResultats& magasin, const QList<int>& livrets)
{
    QList<Diplome> diplomes;
    for (const int livret : livrets) {
        const Lecture<std::optional<Diplome>> diplome = LireDiplome(magasin, NomSurPapier(), livret);
        if (!diplome) {
            SignalerProbleme(parent, magasin.Expliquer(diplome.probleme, Textes::BaseImpression));
            return;
        }
        if (diplome.valeur)
            diplomes.append(*diplome.valeur);
    }
    const std::unique_ptr<QPrinter> imprimante = NouvelleImprimante();
    if (!diplomes.isEmpty()
        && ImprimerDocument(parent, *imprimante, DocumentDiplomes(diplomes), Textes::TitreImprimerDiplome)
               == IssueImpression::Echec)
        SignalerProbleme(parent, Textes::ImpressionEchouee);
}

} // namespace

void FeliciterTables(QWidget* parent, MagasinResultats& magasin, const Bilan& avant, const QList<Fait>& faits,
                     const QDate& jour, int multMax)
{
    Bilan apres = avant;
    apres.Ajouter(faits, jour);
    const QList<int> livrets = LivretsDevenusAutomatises(avant, apres, multMax);
    if (livrets.isEmpty())
        return;
    const QMessageBox::StandardButton reponse =
        AfficherMessage(parent, {QMessageBox::Question, Textes::TitreBravo, Textes::Bravo(livrets),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No});
    if (reponse == QMessageBox::Yes)
        ImprimerDiplomes(parent, magasin, livrets);
}
