#include "core/startup/LigneCommande.h"
#include "ui/mainwindow/F_Calkado.h"
#include "ui/platform/Ressources.h"

#include <QApplication>
#include <cstdlib>

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
    F_Calkado fenetre;
    // The start-up checks end the program at once when it cannot run here.
    if (!fenetre.Form_Load())
        return EXIT_FAILURE;
    fenetre.show();
    return QApplication::exec();
}
