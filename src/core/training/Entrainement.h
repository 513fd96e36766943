// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The data of a training and its rules, without any widget: the per-table
// counters, the drawing of questions in order or at random, the test of an
// answer with its tries and feedback phrase, the given answer and the
// stopwatch of the question. The main window shows what it decides.
#pragma once

#include "Compteurs.h"
#include "Etats.h"
#include "Fait.h"
#include "Revision.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

class Hasard;
class Horloge;

// Colours of the feedback phrase.
enum class CouleurVerification { Bleu, Rouge, Vert };

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
    CouleurVerification couleur() const
    {
        return genre == Genre::Juste ? CouleurVerification::Bleu
             : genre == Genre::Faux  ? CouleurVerification::Rouge
                                     : CouleurVerification::Vert;
    }
    bool essaiCompte() const { return genre == Genre::Juste || genre == Genre::Faux; }
    EtatEntrainement etat = EtatEntrainement::EtatQuestion;  // only for a counted try
};

class Entrainement
{
public:
    Entrainement(Hasard& hasard, const Horloge& horloge);

    CompteursLivrets compteurs;
    // The questions settled since the last save or reset, in order: they
    // always agree with the counters.
    QList<Fait> faits;

    // Both emptied, after a save or a reset.
    void RazCompteurs();

    // A new run: the sequential draw starts again at 1 x the first ticked table.
    void DemarrerEntrainement();
    // A run on those facts only, until each is answered right at the first try.
    void DemarrerRevision(const QList<Question>& aRevoir);
    bool RevisionTerminee() const { return revision.terminee(); }

    // Draws the next question among the ticked tables, with the multiplier
    // from 1 to multMax, and starts its stopwatch.
    Question NouvelleQuestion(const Coches& coches, int multMax, bool aleatoire);

    Verdict TesterReponse(QStringView texte);

    // Settles the question by showing its product, returned as text.
    QString DonnerReponse();

    // Brings the stopwatch up to date from the clock and returns the whole
    // tenths of a second since the question was shown.
    qint32 ActualiserDixiemes();
    // The stopwatch as the child sees it: whole seconds, nothing in the first one.
    QString TexteTemps() const;

    const Question& question() const { return questionCourante; }
    int NbEssais() const { return nbEssais; }
    qint32 NbDixiemes() const { return nbDixiemes; }

private:
    void TirerNombresQuestion();
    void TirerNombresPhrase();
    void TirageAleatoire(const Coches& coches, int nbLivretCoche, int multMax);
    void TirageSequentiel(const Coches& coches, int nbLivretCoche, int multMax);
    QString ChoisirPhrase(const QStringList& phrases) const;
    // Right or wrong, with its phrase and the state that follows.
    Verdict Juger(const QString& valeur) const;
    void CompterEssai(const Verdict& verdict, const QString& valeur);
    void NoterFait(Issue issue, qint32 dixiemes);

    void TirageRevision(bool aleatoire);

    Hasard& hasard;
    Revision revision;
    const Horloge& horloge;

    Question questionCourante;
    int nbEssais = 0;
    QString dernierEssai;          // the last wrong answer, as read by LireNombre
    qint32 nbDixiemes = 0;
    qint64 debutQuestion = 0;      // milliseconds of the clock when the question was shown

    int multiplicateurCourant = 0;
    int rangLivretCourant = 1;
    int dernierTerme1 = 0;         // the last random question, kept across runs
    int dernierTerme2 = 0;

    static constexpr int TaillePool = 100;
    std::array<float, TaillePool> tirageTerme1{};
    std::array<float, TaillePool> tirageLivret{};
    std::array<float, TaillePool> tiragePhrase{};
    int indexTirageQuestion = TaillePool;   // a full index makes the first use refill
    int indexTiragePhrase = TaillePool;
};
