// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Entrainement.h"

#include "LectureNombre.h"
#include "core/Textes.h"
#include "core/platform/Hasard.h"
#include "core/platform/Horloge.h"

#include <algorithm>
#include <limits>

namespace {

// The index of the ticked table whose count, walking up from table 2,
// reaches the rank (1-based).
int livretDeRang(const Coches& coches, int rang)
{
    int compte = 0;
    for (int i = 0; i < NbLivrets; ++i)
        if (coches[i] && ++compte == rang)
            return i;
    return -1;
}

int entierDe1000Fois(float nombre)
{
    return static_cast<int>(1000.0 * double(nombre));
}

} // namespace

Entrainement::Entrainement(Hasard& hasard_, const Horloge& horloge_)
    : hasard(hasard_), horloge(horloge_)
{
}

void Entrainement::RazCompteurs()
{
    compteurs.RazCompteurs();
    faits.clear();
}

void Entrainement::DemarrerEntrainement()
{
    multiplicateurCourant = 0;
    rangLivretCourant = 1;
    revision.Commencer({});
}

void Entrainement::DemarrerRevision(const QList<Question>& aRevoir)
{
    DemarrerEntrainement();
    revision.Commencer(aRevoir);
}

Question Entrainement::NouvelleQuestion(const Coches& coches, int multMax, bool aleatoire)
{
    const int nbLivretCoche = static_cast<int>(std::count(coches.begin(), coches.end(), true));
    if (revision.active()) {
        TirageRevision(aleatoire);
    } else if (nbLivretCoche > 0 && multMax > 0) {
        if (aleatoire)
            TirageAleatoire(coches, nbLivretCoche, multMax);
        else
            TirageSequentiel(coches, nbLivretCoche, multMax);
    }
    nbEssais = 0;
    nbDixiemes = 0;
    debutQuestion = horloge.millisecondes();
    return questionCourante;
}

void Entrainement::TirageAleatoire(const Coches& coches, int nbLivretCoche, int multMax)
{
    // Draws with replacement, only kept from asking the previous random
    // question again (also across runs). The bound only guards against a
    // broken generator: a real one differs within a few draws.
    for (int essai = 0; essai < 1000; ++essai) {
        if (indexTirageQuestion >= TaillePool)
            TirerNombresQuestion();
        const int i = indexTirageQuestion++;
        questionCourante.terme1 = entierDe1000Fois(tirageTerme1[i]) % multMax + 1;
        const int rang = entierDe1000Fois(tirageLivret[i]) % nbLivretCoche + 1;
        questionCourante.terme2 = livretDeRang(coches, rang) + PremierLivret;
        if (questionCourante.terme1 != dernierTerme1 || questionCourante.terme2 != dernierTerme2)
            break;
    }
    dernierTerme1 = questionCourante.terme1;
    dernierTerme2 = questionCourante.terme2;
}

void Entrainement::TirageRevision(bool aleatoire)
{
    // At random, a rank among the facts of the round from the pool of the
    // multipliers, as the draw of a question takes it.
    questionCourante = revision.Tirer(aleatoire, [this](int nombre) {
        if (indexTirageQuestion >= TaillePool)
            TirerNombresQuestion();
        return entierDe1000Fois(tirageTerme1[indexTirageQuestion++]) % nombre;
    });
}

void Entrainement::TirageSequentiel(const Coches& coches, int nbLivretCoche, int multMax)
{
    if (++multiplicateurCourant > multMax) {
        multiplicateurCourant = 1;
        if (++rangLivretCourant > nbLivretCoche)
            rangLivretCourant = 1;
    }
    questionCourante.terme1 = multiplicateurCourant;
    questionCourante.terme2 = livretDeRang(coches, rangLivretCourant) + PremierLivret;
}

void Entrainement::TirerNombresQuestion()
{
    for (float& nombre : tirageTerme1)
        nombre = hasard.nombre();
    for (float& nombre : tirageLivret)
        nombre = hasard.nombre();
    indexTirageQuestion = 0;
}

void Entrainement::TirerNombresPhrase()
{
    for (float& nombre : tiragePhrase)
        nombre = hasard.nombre();
    indexTiragePhrase = 0;
}

QString Entrainement::ChoisirPhrase(const QStringList& phrases) const
{
    const auto n = phrases.size();
    const auto k = static_cast<qsizetype>(double(n) * double(tiragePhrase[indexTiragePhrase]));
    return phrases.at(std::clamp<qsizetype>(k, 0, n - 1));
}

Verdict Entrainement::TesterReponse(QStringView texte)
{
    if (texte.isEmpty())
        return {Verdict::Genre::PasDeNombre, Textes::PasDeNombre};
    const QString valeur = LireNombre(texte);
    // Only the last wrong answer of this question is remembered: one tried
    // two tries back, or on the question before, counts as a new try.
    if (nbEssais > 0 && valeur == dernierEssai)
        return {Verdict::Genre::DejaEssaye, Textes::DejaEssaye};
    if (indexTiragePhrase >= TaillePool)
        TirerNombresPhrase();
    ++nbEssais;
    const Verdict verdict = Juger(valeur);
    CompterEssai(verdict, valeur);
    ++indexTiragePhrase;
    return verdict;
}

Verdict Entrainement::Juger(const QString& valeur) const
{
    const int t = questionCourante.livret();
    if (valeur == QString::number(questionCourante.produit()) && t >= 0 && t < NbLivrets)
        return {Verdict::Genre::Juste,
                ChoisirPhrase(nbEssais == 1 ? Textes::PhrasesEssai1 : Textes::PhrasesEssai2),
                EtatEntrainement::EtatRepondu};
    return {Verdict::Genre::Faux, ChoisirPhrase(Textes::PhrasesErreur),
            nbEssais > 2 ? EtatEntrainement::EtatQuestionAide : EtatEntrainement::EtatQuestion};
}

void Entrainement::CompterEssai(const Verdict& verdict, const QString& valeur)
{
    if (verdict.genre != Verdict::Genre::Juste) {
        dernierEssai = valeur;
        return;
    }
    const int t = questionCourante.livret();
    const qint32 dixiemes = ActualiserDixiemes();
    Ajouter(compteurs.NbQuestionParLivret[t], 1);
    if (nbEssais == 1) {
        // Only a right first try is timed.
        Ajouter(compteurs.NbQuestionEssai1[t], 1);
        Ajouter(compteurs.TempsTotalEssai1[t], dixiemes);
    } else {
        Ajouter(compteurs.NbQuestionEssai2[t], 1);
    }
    NoterFait(nbEssais == 1 ? Issue::Essai1 : Issue::Essai2, dixiemes);
}

void Entrainement::NoterFait(Issue issue, qint32 dixiemes)
{
    faits.append({questionCourante.terme2, questionCourante.terme1, issue, nbEssais, dixiemes});
    revision.Regler(questionCourante, issue);
}

QString Entrainement::DonnerReponse()
{
    const int t = questionCourante.livret();
    if (t >= 0 && t < NbLivrets) {
        Ajouter(compteurs.NbQuestionParLivret[t], 1);
        Ajouter(compteurs.NbQuestionRéponse[t], 1);
        NoterFait(Issue::Reponse, ActualiserDixiemes());
    }
    return QString::number(questionCourante.produit());
}

qint32 Entrainement::ActualiserDixiemes()
{
    const qint64 dixiemes = std::max<qint64>(0, (horloge.millisecondes() - debutQuestion) / 100);
    nbDixiemes = static_cast<qint32>(std::min<qint64>(dixiemes, std::numeric_limits<qint32>::max()));
    return nbDixiemes;
}

QString Entrainement::TexteTemps() const
{
    return nbDixiemes > 9 ? QString::number(nbDixiemes / 10) : QString();
}
