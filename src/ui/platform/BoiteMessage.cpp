#include "BoiteMessage.h"

#include "core/Textes.h"

#include <QAbstractButton>

namespace {

void traduireBoutons(QMessageBox& boite)
{
    const std::pair<QMessageBox::StandardButton, const QString*> textes[] = {
        {QMessageBox::Yes, &Textes::BoutonOui},
        {QMessageBox::No, &Textes::BoutonNon},
        {QMessageBox::Cancel, &Textes::BoutonAnnuler},
        {QMessageBox::Ok, &Textes::BoutonOk},
    };
    for (const auto& [bouton, texte] : textes)
        if (QAbstractButton* b = boite.button(bouton))
            b->setText(*texte);
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
