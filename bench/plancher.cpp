// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the start-up figures: the least a Qt Widgets program does to
// show a window, started the way the program is.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel fenetre(QStringLiteral("Calkado"));
    fenetre.resize(640, 480);
    fenetre.show();
    return application.exec();
}
