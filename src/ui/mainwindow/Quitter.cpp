// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Leaving the program, by its button or by closing the window: one question,
// which offers to save the results that stand.
#include "F_Calkado.h"

#include "core/Textes.h"
#include "ui/platform/BoiteMessage.h"

#include <QApplication>
#include <QCloseEvent>

void F_Calkado::closeEvent(QCloseEvent* event)
{
    if (quitterConfirme || ConfirmerQuitter()) {
        quitterConfirme = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void F_Calkado::B_Quitter_Click()
{
    if (!ConfirmerQuitter())
        return;
    // The question is not asked again while the program shuts down.
    quitterConfirme = true;
    QApplication::quit();
}

bool F_Calkado::ConfirmerQuitter()
{
    if (!ResultatsPresents())
        return AfficherMessage(this, {QMessageBox::Question, Textes::TitreQuitter, Textes::MessageQuitter,
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
            == QMessageBox::Yes;
    switch (AfficherMessage(this, {QMessageBox::Critical, Textes::TitreQuitter,
                                   Textes::MessageQuitterSansEnregistrer,
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                   QMessageBox::Cancel, QMessageBox::Cancel})) {
    case QMessageBox::Yes:
        // Results that could not be saved keep the program open.
        return EnregistrerResultats(Textes::BaseQuitter);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}
