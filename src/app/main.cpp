// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/storage/Configuration.h"
#include "core/startup/DepartEnfant.h"
#include "core/startup/LigneCommande.h"
#include "ui/classe/F_Classe.h"
#include "ui/enfants/F_Enfants.h"
#include "ui/mainwindow/F_Calkado.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Ressources.h"
#include "ui/platform/StyleContraste.h"

#include <QApplication>
#include <cstdlib>

namespace {

// The window opens unless its load says the program must end.
template<typename Fenetre>
int Ouvrir()
{
    Fenetre fenetre;
    if (!fenetre.Form_Load())
        return EXIT_FAILURE;
    fenetre.show();
    return QApplication::exec();
}

// The child's window, once the family has said who trains when it must.
int OuvrirCalkado(Famille& famille, const DepartEnfant& depart)
{
    if (!depart.message.isEmpty()) {
        AfficherMessage(nullptr, {QMessageBox::Critical, Textes::TitreFinProgramme, depart.message});
        return EXIT_FAILURE;
    }
    std::optional<Enfant> enfant = depart.enfant;
    if (depart.demander) {
        // Leaving « Qui s'entraîne ? » leaves the program.
        F_Enfants enfants(famille, true);
        if (!enfants.Form_Load())
            return EXIT_FAILURE;
        if (enfants.exec() != QDialog::Accepted)
            return EXIT_SUCCESS;
        enfant = enfants.choix();
    }
    ChoisirEnfant(enfant);
    return Ouvrir<F_Calkado>();
}

} // namespace

int main(int argc, char* argv[])
{
    const DemandeLigneCommande demande = LireLigneCommande(ArgumentsProgramme(argc, argv));
    if (!demande.ouvrirFenetre)
        return Repondre(demande);
    // Who trains is known before any window, so that a name is answered on the terminal.
    Famille famille;
    const DepartEnfant depart = PreparerEnfant(famille, demande, LireConfiguration().definie());
    if (depart.reponse)
        return Repondre(*depart.reponse);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calkado"));
    // The desktop entry installed with the program: a desktop shows its name
    // and icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("org.calkado.calkado"));
    ChargerPolices();
    ChargerTraductionsQt();
    InstallerStyle();
    // The start-up checks end the program at once when it cannot run here.
    return demande.classe ? Ouvrir<F_Classe>() : OuvrirCalkado(famille, depart);
}
