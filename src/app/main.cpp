// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/startup/LigneCommande.h"
#include "ui/classe/F_Classe.h"
#include "ui/mainwindow/F_Calkado.h"
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

} // namespace

int main(int argc, char* argv[])
{
    const DemandeLigneCommande demande = LireLigneCommande(ArgumentsProgramme(argc, argv));
    if (!demande.ouvrirFenetre)
        return Repondre(demande);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calkado"));
    // The desktop entry installed with the program: a desktop shows its name
    // and icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("org.calkado.calkado"));
    ChargerPolices();
    ChargerTraductionsQt();
    InstallerStyle();
    // The start-up checks end the program at once when it cannot run here.
    return demande.classe ? Ouvrir<F_Classe>() : Ouvrir<F_Calkado>();
}
