// The main window's load and activate handlers.
#include "mainwindow/F_Calkado.h"

#include "Demarrage.h"
#include "Textes.h"
#include "platform/BoiteMessage.h"
#include "platform/Ecran.h"
#include "results/GrilleResultats.h"

#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

bool F_Calkado::Form_Load()
{
    CompteurOption = 0;
    PremierAffichage = true;
    const std::optional<QString> titre = PreparerTitre(this);
    if (!titre)
        return false;
    setWindowTitle(*titre);
    Timer1->stop();
    L_Time->hide();
    // The generator was seeded from the clock as the window was made, and the
    // training starts with empty pools and the phrase tables of Textes.
    ChangerEtat(EtatEntrainement::EtatAucunLivret);
    if (!VerifierAffichage(this, MesurerEcran(*this)))
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
        VerifierCouleurs(this, MesurerEcran(*this));
        // A faulty store does not keep the child from training.
        SignalerProblemeBase(this, BaseDonnées.Ouvrir(), Textes::BaseAuDemarrage);
    }
    grille->MontrerTableauResultats(true);
    for (QToolButton* bouton : {B_Raz, B_Enregistrer, B_Consulter})
        bouton->setEnabled(true);
}
