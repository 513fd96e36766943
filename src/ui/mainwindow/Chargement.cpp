// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's load and activate handlers: the title, the display
// checks, and the results file looked at once the window is on screen.
#include "F_Calkado.h"

#include "core/Textes.h"
#include "core/startup/Demarrage.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Ecran.h"
#include "ui/results/GrilleResultats.h"

#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

// Shows the message of a start-up check, if any. False: the program must end.
bool Continuer(QWidget* fenetre, const std::optional<AvisDemarrage>& avis)
{
    if (!avis)
        return true;
    AfficherMessage(fenetre, {avis->critique ? QMessageBox::Critical : QMessageBox::Information, {}, avis->texte});
    return !avis->fin;
}

} // namespace

bool F_Calkado::Form_Load()
{
    CompteurOption = 0;
    PremierAffichage = true;
    const std::optional<QString> titre = PreparerTitre();
    if (!titre) {
        AfficherMessage(this, {QMessageBox::Critical, Textes::TitreFinProgramme,
                               Textes::MessageFichierAbsent(Textes::NomFichierProgramme)});
        return false;
    }
    setWindowTitle(*titre);
    Timer1->stop();
    L_Time->hide();
    // The generator was seeded from the clock as the window was made, and the
    // training starts with empty pools and the phrase tables of Textes.
    ChangerEtat(EtatEntrainement::EtatAucunLivret);
    if (!Continuer(this, VerifierAffichage(MesurerEcran(*this))))
        return false;
    if (const QScreen* ecran = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        ecran->availableGeometry()));
    return true;
}

void F_Calkado::Form_Activate()
{
    if (PremierAffichage) {
        PremierAffichage = false;
        Continuer(this, VerifierCouleurs(MesurerEcran(*this)));
        // A faulty file does not keep the child from training.
        SignalerProbleme(this, BaseDonnées.Expliquer(BaseDonnées.Verifier(), Textes::BaseAuDemarrage));
    }
    grille->MontrerTableauResultats(true);
    for (QToolButton* bouton : {B_Raz, B_Enregistrer, B_Consulter, B_Bilan})
        bouton->setEnabled(true);
}
