// What the in-process measurements share: a working folder as the program
// expects it, stores of a given size, message boxes answered at once, and an
// action timed until the screen shows its outcome.
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class QWidget;

// A folder holding a link to the program file and a results store made from
// the schema, with that many saved trainings of about six tables each.
class Dossier
{
public:
    explicit Dossier(int entrainements = 0);
    QString chemin() const { return dossier.path(); }
    QString base() const;
    // Makes the folder current for the windows built afterwards.
    void entrer() const;

private:
    QTemporaryDir dossier;
};

// Answers every message box as it shows: "Oui" where offered, else "OK".
// Remembers when the answer was given.
class Repondeur : public QObject
{
public:
    Repondeur();
    ~Repondeur() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    std::chrono::steady_clock::time_point reponse;
};

// Runs the action, then lets the windows process what it caused (painting
// included): the time until the screen is up to date, in milliseconds.
double Chronometrer(const std::function<void()>& action);
