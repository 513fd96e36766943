// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the figures of speed and memory of Calkado beside their floors and
// targets, as a table for the README. Needs an X display (run under Xvfb).
#include "Mesures.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc == 2 && QString::fromUtf8(argv[1]) == QStringLiteral("élève")) {
        QCoreApplication application(argc, argv);
        return EnregistrerEleve();
    }
    // The stopwatch's mean time is read in French.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    QTextStream sortie(stdout);
    Rapport rapport;
    // Named steps only, when some are given.
    const QStringList choisies = application.arguments().mid(1);
    const auto etape = [&](const char* nom, void (*mesurer)(Rapport&)) {
        if (!choisies.isEmpty() && !choisies.contains(QString::fromUtf8(nom)))
            return;
        QTextStream(stderr) << "… " << nom << Qt::endl;
        mesurer(rapport);
    };
    etape("démarrage", MesurerDemarrage);
    etape("réponses", MesurerReponses);
    etape("visionneuse", MesurerConsultation);
    etape("jour", MesurerJour);
    etape("papier", MesurerPapier);
    etape("chronomètre", MesurerChronometre);
    etape("classe", MesurerClasse);
    etape("année", MesurerAnnee);
    sortie << "Machine : " << DescriptionMachine() << "\n\n" << rapport.texte();
    return 0;
}
