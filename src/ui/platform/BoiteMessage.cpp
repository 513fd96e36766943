// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoiteMessage.h"

#include "core/Textes.h"

#include <QAbstractButton>
#include <tuple>

namespace {

// The captions stay as designed, without "&": the Alt key of each is set apart.
void traduireBoutons(QMessageBox& boite)
{
    const std::tuple<QMessageBox::StandardButton, const QString*, Qt::Key> textes[] = {
        {QMessageBox::Yes, &Textes::BoutonOui, Qt::Key_O},
        {QMessageBox::No, &Textes::BoutonNon, Qt::Key_N},
        {QMessageBox::Cancel, &Textes::BoutonAnnuler, Qt::Key_A},
        {QMessageBox::Ok, &Textes::BoutonOk, Qt::Key_O},
    };
    for (const auto& [bouton, texte, touche] : textes)
        if (QAbstractButton* b = boite.button(bouton)) {
            b->setText(*texte);
            b->setShortcut(QKeySequence(Qt::ALT | touche));
        }
}

} // namespace

QMessageBox::StandardButton AfficherMessage(QWidget* parent, const Message& message)
{
    QMessageBox boite(message.icone,
                      message.titre.isEmpty() ? Textes::TitreApplication : message.titre,
                      message.texte, message.boutons, parent);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.setTextFormat(Qt::PlainText);
    traduireBoutons(boite);
    if (message.defaut != QMessageBox::NoButton)
        boite.setDefaultButton(message.defaut);
    if (message.echappement != QMessageBox::NoButton)
        boite.setEscapeButton(message.echappement);
    boite.exec();
    const auto bouton = boite.standardButton(boite.clickedButton());
    return bouton == QMessageBox::NoButton ? message.echappement : bouton;
}

void SignalerProbleme(QWidget* parent, const QString& texte)
{
    if (!texte.isEmpty())
        AfficherMessage(parent, {QMessageBox::Critical, {}, texte});
}
