#include "BoiteMessage.h"

#include "Textes.h"
#include "platform/BaseDonnees.h"

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

void SignalerProblemeBase(QWidget* parent, ProblemeBase probleme, const QString& consequence)
{
    const QString* cause = &Textes::BaseInaccessible;
    switch (probleme) {
    case ProblemeBase::Aucun:
        return;
    case ProblemeBase::Absent: cause = &Textes::BaseAbsente; break;
    case ProblemeBase::Inaccessible: cause = &Textes::BaseInaccessible; break;
    case ProblemeBase::PasUneBase: cause = &Textes::BasePasUneBase; break;
    case ProblemeBase::LectureSeule: cause = &Textes::BaseLectureSeule; break;
    case ProblemeBase::Verrouille: cause = &Textes::BaseVerrouillee; break;
    case ProblemeBase::DisquePlein: cause = &Textes::BaseDisquePlein; break;
    }
    AfficherMessage(parent, {QMessageBox::Critical, {}, *cause + QStringLiteral("\n\n") + consequence});
}
