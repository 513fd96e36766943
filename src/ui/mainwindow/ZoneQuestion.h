// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The question's band of the main window: the question ("3 x 7 ="), the
// answer box, the number of tries under it, the feedback phrase in its
// colour, and the stopwatch of the question.
#pragma once

#include "EtatEntrainement.h"
#include "core/training/Entrainement.h"

#include <QObject>

class ChampReponse;
class QLabel;
class QTimer;
class QWidget;

class ZoneQuestion : public QObject
{
    Q_OBJECT

public:
    // Placed on the window as designed, hidden.
    explicit ZoneQuestion(QWidget* fenetre);

    // Shows the question with an empty answer box named after it for a
    // screen reader, and starts the stopwatch from nothing.
    void Poser(const Question& question);
    // The answer box as a run state wants it.
    void PreparerReponse(Reponse reponse);
    // What the child typed.
    QString reponse() const;
    // A tested answer: its phrase in its colour; a counted try shows the
    // tries, a right one stops the stopwatch (its time stays) and a wrong one
    // beeps and hides the time, which goes on unseen.
    void AfficherVerdict(const Verdict& verdict, int nbEssais);
    // The answer given, in the box; the stopwatch stops.
    void AfficherReponseDonnee(const QString& produit);
    void AfficherTemps(const QString& temps);
    // The end of a review, said where the phrases are.
    void AfficherFinRevision();
    // The run interrupted: the question goes, the stopwatch stops.
    void Cacher();
    // "7 fois 8", as the answer box is named.
    QString nomQuestion() const;
    QWidget* champ() const;

signals:
    // Every 100 ms while the stopwatch runs.
    void tic();

private:
    void CreerQuestion(QWidget* fenetre);
    void CreerRetour(QWidget* fenetre);
    void AfficherPhrase(const QString& phrase, const QColor& couleur);

    Question question;

    QLabel* L_Terme1 = nullptr;
    QLabel* L_Fois = nullptr;
    QLabel* L_Terme2 = nullptr;
    QLabel* L_Egal = nullptr;
    ChampReponse* T_Résultat = nullptr;
    QLabel* L_NbEssais = nullptr;
    QLabel* L_Vérification = nullptr;
    QLabel* L_Time = nullptr;
    QTimer* Timer1 = nullptr;
};
