// Tools for the tests of the windows: message boxes answered as a user
// would, and a working folder holding the program file as the program expects.
#pragma once

#include "Factices.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

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

// Answers every message box that comes up while it lives, in turn with the
// answers given (the last one again for any further box): a standard button
// to click, or Qt::Key_Return / Qt::Key_Escape pressed in the box.
class Repondeur : public QObject
{
public:
    struct Reponse
    {
        QMessageBox::StandardButton bouton = QMessageBox::NoButton;
        int touche = 0;
    };
    explicit Repondeur(QList<Reponse> reponses = {{QMessageBox::Ok, 0}});
    QList<MessageVu> vus;

private:
    void repondre();
    QList<Reponse> reponses;
    QTimer minuterie;
};

// A fresh working folder, made current, holding a link to the built program
// file under the name the program looks for and an empty results store made
// from the schema, as the set-up makes it (unless told otherwise).
class DossierProgramme
{
public:
    explicit DossierProgramme(bool avecProgramme = true, bool avecBase = true);
    ~DossierProgramme();
    QString chemin() const { return dossier.path(); }

private:
    QTemporaryDir dossier;
    QString precedent;
};
