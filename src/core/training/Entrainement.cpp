// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Entrainement.h"

#include "LectureNombre.h"
#include "Revision.h"
#include "SourceHasard.h"
#include "SourceOrdre.h"
#include "core/Textes.h"
#include "core/platform/Horloge.h"

#include <algorithm>
#include <limits>

Entrainement::Entrainement(Hasard& hasard, const Horloge& horloge_)
    : tirages(hasard), horloge(horloge_)
{
}

Entrainement::~Entrainement() = default;

void Entrainement::Demarrer(std::unique_ptr<SourceQuestions> source_)
{
    source = std::move(source_);
}

void Entrainement::DemarrerEntrainement(const Coches& coches, int multMax, bool aleatoire)
{
    if (aleatoire)
        Demarrer(std::make_unique<SourceHasard>(coches, multMax));
    else
        Demarrer(std::make_unique<SourceOrdre>(coches, multMax));
}

void Entrainement::DemarrerRevision(const QList<Question>& aRevoir, bool aleatoire)
{
    Demarrer(std::make_unique<Revision>(aRevoir, aleatoire));
}

bool Entrainement::Terminee() const
{
    return source && source->Terminee();
}

std::optional<Avancement> Entrainement::avancement() const
{
    return source ? source->avancement() : std::nullopt;
}

void Entrainement::RazCompteurs()
{
    faitsRegles.clear();
    comptesLivrets = {};
}

Question Entrainement::NouvelleQuestion()
{
    if (source)
        if (const std::optional<Question> question = source->Suivante(tirages))
            questionCourante = *question;
    nbEssais = 0;
    nbDixiemes = 0;
    debutQuestion = horloge.millisecondes();
    return questionCourante;
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
    ++nbEssais;
    const bool juste =
        EstUnLivret(questionCourante.livret) && valeur == QString::number(questionCourante.produit());
    const QStringList& phrases = !juste ? Textes::PhrasesErreur
                               : nbEssais == 1 ? Textes::PhrasesEssai1 : Textes::PhrasesEssai2;
    const Verdict verdict{juste ? Verdict::Genre::Juste : Verdict::Genre::Faux,
                          phrases.at(tirages.TirerPhrase(phrases.size()))};
    if (juste)
        Noter(nbEssais == 1 ? Issue::Essai1 : Issue::Essai2);
    else
        dernierEssai = valeur;
    return verdict;
}

QString Entrainement::DonnerReponse()
{
    if (EstUnLivret(questionCourante.livret))
        Noter(Issue::Reponse);
    return QString::number(questionCourante.produit());
}

void Entrainement::Noter(Issue issue)
{
    // Only a right first try is timed (Comptes), but every fact keeps its time.
    const Fait fait{questionCourante.livret, questionCourante.multiplicateur, issue, nbEssais, ActualiserDixiemes()};
    faitsRegles.append(fait);
    comptesLivrets[std::size_t(IndexLivret(fait.livret))] += fait;
    if (source)
        source->Regler(fait);
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
