// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Outils.h"

#include "Magasin.h"
#include "core/Textes.h"
#include "core/storage/Schema.h"
#include "ui/platform/Ressources.h"
#include "ui/platform/StyleContraste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Repondeur::Repondeur(QList<Reponse> reponses_)
    : reponses(std::move(reponses_))
{
    qApp->installEventFilter(this);
}

Repondeur::~Repondeur()
{
    qApp->removeEventFilter(this);
}

bool Repondeur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show)
        if (auto* boite = qobject_cast<QMessageBox*>(objet))
            // Once the box runs its own event loop, as a user would find it.
            QTimer::singleShot(0, boite, [this, boite] { repondre(boite); });
    return false;
}

void Repondeur::repondre(QMessageBox* boite)
{
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
    const Reponse r = choix ? choix(vu) : reponses.at(std::min<qsizetype>(vus.size(), reponses.size() - 1));
    vus << vu;
    reponse = std::chrono::steady_clock::now();
    if (const QKeyCombination touche = QKeyCombination::fromCombined(r.touche); r.touche) {
        // A shortcut (Alt+O) acts in the active window only.
        if (touche.keyboardModifiers()) {
            (void)QTest::qWaitForWindowExposed(boite);
            boite->activateWindow();
            (void)QTest::qWaitForWindowActive(boite);
        }
        QTest::keyClick(boite, touche.key(), touche.keyboardModifiers());
    }
    else if (QAbstractButton* bouton = boite->button(r.bouton))
        bouton->click();
    else
        boite->reject();
}

Repondeur::Reponse OuiSinonOk(const MessageVu& vu)
{
    return {vu.boutons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok, 0};
}

DossierProgramme::DossierProgramme(bool avecProgramme, bool avecBase)
    : precedent(QDir::currentPath())
{
    if (avecProgramme)
        QFile::link(QStringLiteral(CALKADO_PROGRAMME), dossier.filePath(Textes::NomFichierProgramme));
    if (avecBase && !CreerBase(QStringLiteral(CALKADO_SCHEMA), base()))
        qFatal("Impossible de créer le magasin des résultats");
    QDir::setCurrent(dossier.path());
    if (Magasin::SurServeur()) {
        // The program's configuration names the server, its pupil starts afresh.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dossier.filePath(QStringLiteral("configuration"))));
        EcrireConfiguration(QStringLiteral("[serveur]\nbase=calkado\n"));
        if (avecBase)
            Magasin::vider();
    }
}

DossierProgramme::~DossierProgramme()
{
    QDir::setCurrent(precedent);
}

QString DossierProgramme::base() const
{
    return dossier.filePath(Textes::NomFichierBase);
}

void EcrireConfiguration(const QString& texte)
{
    const QString dossier = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/calkado");
    QDir().mkpath(dossier);
    QFile configuration(dossier + QStringLiteral("/calkado.conf"));
    if (!configuration.open(QIODevice::WriteOnly) || configuration.write(texte.toUtf8()) < 0)
        qFatal("Impossible d'écrire la configuration");
}

void PreparerFenetres(const char* fuseau)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ChargerPolices();
    InstallerStyle();
    qputenv("TZ", fuseau);
}
