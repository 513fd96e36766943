// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A training and its rules, without any widget: a run's questions from its
// source, the test of an answer with its tries and feedback phrase, the
// given answer, the stopwatch of the question, and the questions settled
// since the last save or reset with the counts of each table they add up
// to. The main window shows what it decides.
#pragma once

#include "Comptes.h"
#include "SourceQuestions.h"
#include "Tirages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

class Hasard;
class Horloge;

// What a tested answer brings.
struct Verdict
{
    enum class Genre {
        PasDeNombre,   // empty box: no try counted
        DejaEssaye,    // the last wrong answer again: no try counted
        Juste,
        Faux,
    };
    Genre genre = Genre::PasDeNombre;
    QString phrase;
    bool essaiCompte() const { return genre == Genre::Juste || genre == Genre::Faux; }
};

class Entrainement
{
public:
    Entrainement(Hasard& hasard, const Horloge& horloge);
    ~Entrainement();

    // A new run, its questions from the source given.
    void Demarrer(std::unique_ptr<SourceQuestions> source);
    // A run among the tables ticked, multipliers from 1 to multMax, in order
    // or at random.
    void DemarrerEntrainement(const Coches& coches, int multMax, bool aleatoire);
    // A run on those facts only, until each is answered right at the first try.
    void DemarrerRevision(const QList<Question>& aRevoir, bool aleatoire);
    // Whether the run's source has ended it, and how far it has come.
    bool Terminee() const;
    std::optional<Avancement> avancement() const;

    // The next question of the run, its stopwatch started.
    Question NouvelleQuestion();
    Verdict TesterReponse(QStringView texte);
    // From the third wrong try on, the answer may be asked for.
    bool ReponsePermise() const { return nbEssais > 2; }
    // Settles the question by showing its product, returned as text.
    QString DonnerReponse();

    // Brings the stopwatch up to date from the clock and returns the whole
    // tenths of a second since the question was shown.
    qint32 ActualiserDixiemes();
    // The stopwatch as the child sees it: whole seconds, nothing in the first one.
    QString TexteTemps() const;

    const Question& question() const { return questionCourante; }
    int NbEssais() const { return nbEssais; }

    // The questions settled since the last save or reset, in order, and the
    // counts they add up to; results are on screen while there is one.
    const QList<Fait>& faits() const { return faitsRegles; }
    const ComptesLivrets& comptes() const { return comptesLivrets; }
    bool aDesResultats() const { return !faitsRegles.isEmpty(); }
    // Both emptied, after a save or a reset.
    void RazCompteurs();

private:
    void Noter(Issue issue);

    Tirages tirages;
    const Horloge& horloge;
    std::unique_ptr<SourceQuestions> source;

    Question questionCourante;
    int nbEssais = 0;
    QString dernierEssai;          // the last wrong answer, as read by LireNombre
    qint32 nbDixiemes = 0;
    qint64 debutQuestion = 0;      // milliseconds of the clock when the question was shown

    QList<Fait> faitsRegles;
    ComptesLivrets comptesLivrets;  // of faitsRegles, fact by fact
};
