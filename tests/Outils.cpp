#include "Outils.h"

#include "Textes.h"
#include "platform/BaseDonnees.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

Repondeur::Repondeur(QList<Reponse> reponses_)
    : reponses(std::move(reponses_))
{
    connect(&minuterie, &QTimer::timeout, this, &Repondeur::repondre);
    minuterie.start(5);
}

void Repondeur::repondre()
{
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible())
        return;
    MessageVu vu;
    vu.titre = boite->windowTitle();
    vu.texte = boite->text();
    vu.icone = boite->icon();
    vu.boutons = boite->standardButtons();
    vu.defaut = boite->standardButton(boite->defaultButton());
    vu.echappement = boite->standardButton(boite->escapeButton());
    for (QAbstractButton* bouton : boite->buttons())
        vu.textesBoutons << bouton->text();
    vu.applicationModale = boite->windowModality() == Qt::ApplicationModal;
    const Reponse reponse = reponses.at(std::min<qsizetype>(vus.size(), reponses.size() - 1));
    vus << vu;
    if (reponse.touche)
        QTest::keyClick(boite, Qt::Key(reponse.touche));
    else if (QAbstractButton* bouton = boite->button(reponse.bouton))
        bouton->click();
    else
        boite->reject();
}

DossierProgramme::DossierProgramme(bool avecProgramme, bool avecBase)
    : precedent(QDir::currentPath())
{
    if (avecProgramme)
        QFile::link(QStringLiteral(CALKADO_PROGRAMME), dossier.filePath(Textes::NomFichierProgramme));
    if (avecBase && !CreerBase(QStringLiteral(CALKADO_SCHEMA), dossier.filePath(Textes::NomFichierBase)))
        qFatal("Impossible de créer le magasin des résultats");
    QDir::setCurrent(dossier.path());
}

DossierProgramme::~DossierProgramme()
{
    QDir::setCurrent(precedent);
}
