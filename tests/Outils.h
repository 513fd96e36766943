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
    // When set, chooses each answer from what the box shows, in place of the list.
    std::function<Reponse(const MessageVu&)> choix;

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

// The results store of the working folder, seen from outside the program
// through a connection of the test's own.
namespace Magasin {
// Every row, in the order added: "DateHeure|Multiplicateur1a12|Aléatoire|NumLivret|
// NbQuestionParLivret|NbQuestionEssai1|TempsTotalEssai1|NbQuestionEssai2|NbQuestionRéponse".
QStringList lignes(const QString& fichier = QStringLiteral("CalkadoVa.sqlite"));
// Runs statements in order; fails the program on any error.
void executer(const QStringList& sql, const QString& fichier = QStringLiteral("CalkadoVa.sqlite"));
// Adds one row, values in the order of lignes(): "2026-03-14 10:00:00|1|1|7|3|2|45|1|0".
void ajouter(const QString& ligne, const QString& fichier = QStringLiteral("CalkadoVa.sqlite"));
// Fills the store until one more row needs a new page (with rows dated
// "2000-01-01 00:00:00"), then caps the pages that the connection named may
// use at what the file holds: its next row is refused as on a full disk.
void remplir(const QString& connexion, const QString& fichier = QStringLiteral("CalkadoVa.sqlite"));
// Makes the file impossible to write, even for root (immutable flag where the
// file system has it), or writable again. False when it cannot be done here.
bool proteger(const QString& fichier, bool protege);
}
