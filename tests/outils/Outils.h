// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tests and the benchmarks share: message boxes answered as a user
// would, a working folder holding the program file as the program expects it,
// and the set-up of a test program that shows windows.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>

// What a message box showed.
struct MessageVu
{
    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    QMessageBox::StandardButton defaut = QMessageBox::NoButton;
    QMessageBox::StandardButton echappement = QMessageBox::NoButton;
    QStringList textesBoutons;
    bool applicationModale = false;
};

// Answers every message box that comes up while it lives, as soon as it is
// shown, in turn with the answers given (the last one again for any further
// box): a standard button to click, or a key pressed in the box
// (Qt::Key_Return, Qt::Key_Escape, or with a modifier: (Qt::ALT | Qt::Key_O).toCombined()).
class Repondeur : public QObject
{
public:
    struct Reponse
    {
        QMessageBox::StandardButton bouton = QMessageBox::NoButton;
        int touche = 0;
    };
    explicit Repondeur(QList<Reponse> reponses = {{QMessageBox::Ok, 0}});
    ~Repondeur() override;

    QList<MessageVu> vus;
    // When set, chooses each answer from what the box shows, in place of the list.
    std::function<Reponse(const MessageVu&)> choix;
    // When the last answer was given.
    std::chrono::steady_clock::time_point reponse;

    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void repondre(QMessageBox* boite);
    QList<Reponse> reponses;
};

// "Oui" where the box offers it, else OK.
Repondeur::Reponse OuiSinonOk(const MessageVu& vu);

// A fresh working folder, made current, holding a link to the built program
// file under the name the program looks for and an empty results store made
// from the schema, as the set-up makes it (unless told otherwise).
class DossierProgramme
{
public:
    explicit DossierProgramme(bool avecProgramme = true, bool avecBase = true);
    ~DossierProgramme();
    QString chemin() const { return dossier.path(); }
    QString base() const;

private:
    QTemporaryDir dossier;
    QString precedent;
};

// The user's configuration file of the program, in the configuration folder
// that XDG_CONFIG_HOME names, made of that text.
void EcrireConfiguration(const QString& texte);

// For a test program that shows windows: French as the machine's language,
// the fonts shipped with the program, its style, and the time zone given (a POSIX rule,
// which needs no time zone database), whatever this machine uses.
void PreparerFenetres(const char* fuseau = "CET-1CEST,M3.5.0,M10.5.0/3");
