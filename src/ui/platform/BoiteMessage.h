// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Modal message boxes as the program shows them: French standard buttons
// whatever the machine's language, the title "Calkado" unless another is given.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

struct Message
{
    QMessageBox::Icon icone = QMessageBox::Information;
    QString titre;                       // empty: the application's title
    QString texte;
    QMessageBox::StandardButtons boutons = QMessageBox::Ok;
    QMessageBox::StandardButton defaut = QMessageBox::NoButton;
    QMessageBox::StandardButton echappement = QMessageBox::NoButton;
};

// Shows the message application-modal and waits for the answer, the button
// pressed (the escape button when the box is closed otherwise).
QMessageBox::StandardButton AfficherMessage(QWidget* parent, const Message& message);

// A fault told as it is given: a critical message, OK, under the application's
// title. Nothing is shown for an empty text.
void SignalerProbleme(QWidget* parent, const QString& texte);
