// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableauResultats.h"

#include "core/training/LectureNombre.h"

#include <algorithm>
#include <cmath>

QString TexteCompte(qint64 compte)
{
    return compte < 1 ? QString() : QString::number(compte);
}

QString FormatTemps(double secondes, const QLocale& locale)
{
    const bool negatif = secondes < 0;
    const double valeur = std::fabs(secondes);
    // Write the value with 15 significant digits, then round that decimal
    // text to one decimal: the binary value of 0.35 lies just under 0.35,
    // but the child saw 0.35 and expects 0.4.
    const int chiffresEntiers = valeur >= 1 ? int(std::floor(std::log10(valeur))) + 1 : 1;
    const QString decimal = QString::number(valeur, 'f', std::max(1, 15 - chiffresEntiers));
    const qsizetype point = decimal.indexOf(QLatin1Char('.'));
    qint64 dixiemes = decimal.left(point).toLongLong() * 10 + decimal.at(point + 1).digitValue();
    if (point + 2 < decimal.size() && decimal.at(point + 2) >= QLatin1Char('5'))
        ++dixiemes;
    QString texte = QString::number(dixiemes / 10) + locale.decimalPoint()
                  + QString::number(dixiemes % 10);
    if (negatif && dixiemes > 0)
        texte.prepend(locale.negativeSign());
    return texte;
}

std::optional<double> TempsMoyen(qint64 dixiemes, qint64 nbEssai1)
{
    if (nbEssai1 < 1)
        return std::nullopt;
    return double(dixiemes) / double(nbEssai1) / 10.0;
}

QString TexteTempsMoyen(qint64 dixiemes, qint64 nbEssai1, const QLocale& locale)
{
    const std::optional<double> secondes = TempsMoyen(dixiemes, nbEssai1);
    return secondes ? FormatTemps(*secondes, locale) : QString();
}

namespace {

qint64 Positif(qint32 compte)
{
    return compte >= 1 ? compte : 0;
}

} // namespace

TotauxResultats Totaliser(const CompteursLivrets& c)
{
    TotauxResultats totaux;
    for (int i = 0; i < NbLivrets; ++i) {
        totaux.questions += Positif(c.NbQuestionParLivret[i]);
        totaux.essai1 += Positif(c.NbQuestionEssai1[i]);
        totaux.essai2 += Positif(c.NbQuestionEssai2[i]);
        totaux.reponse += Positif(c.NbQuestionRéponse[i]);
        if (c.NbQuestionEssai1[i] >= 1)
            totaux.temps += c.TempsTotalEssai1[i];
    }
    return totaux;
}

TotauxResultats& TotauxResultats::operator+=(const TotauxResultats& autres)
{
    questions += autres.questions;
    essai1 += autres.essai1;
    essai2 += autres.essai2;
    reponse += autres.reponse;
    temps += autres.temps;
    return *this;
}

CompteursLivrets SeulLivret(const CompteursLivrets& c, int livret)
{
    CompteursLivrets seul;
    const int i = livret - PremierLivret;
    if (i < 0 || i >= NbLivrets)
        return seul;
    seul.NbQuestionParLivret[i] = c.NbQuestionParLivret[i];
    seul.NbQuestionEssai1[i] = c.NbQuestionEssai1[i];
    seul.NbQuestionEssai2[i] = c.NbQuestionEssai2[i];
    seul.NbQuestionRéponse[i] = c.NbQuestionRéponse[i];
    seul.TempsTotalEssai1[i] = c.TempsTotalEssai1[i];
    return seul;
}

double PartEssai1(qint64 essai1, qint64 questions)
{
    if (questions < 1)
        return 0;
    return std::min(100.0, 100.0 * double(std::max<qint64>(essai1, 0)) / double(questions));
}

TextesResultats TextesDuTableau(const CompteursLivrets& c, const QLocale& locale)
{
    TextesResultats textes;
    for (int i = 0; i < NbLivrets; ++i) {
        const std::array<QString, NbLignesResultats> colonne = {
            TexteCompte(c.NbQuestionParLivret[i]), TexteCompte(c.NbQuestionEssai1[i]),
            TexteTempsMoyen(c.TempsTotalEssai1[i], c.NbQuestionEssai1[i], locale),
            TexteCompte(c.NbQuestionEssai2[i]), TexteCompte(c.NbQuestionRéponse[i])};
        for (int ligne = 0; ligne < NbLignesResultats; ++ligne)
            textes.cellules[ligne][i] = colonne[ligne];
    }
    const TotauxResultats t = Totaliser(c);
    textes.totaux = {TexteCompte(t.questions), TexteCompte(t.essai1), TexteTempsMoyen(t.temps, t.essai1, locale),
                     TexteCompte(t.essai2), TexteCompte(t.reponse)};
    return textes;
}

bool TotalQuestionsPositif(QStringView texteTotalQuestions)
{
    return LireNombre(texteTotalQuestions) != QLatin1String("0");
}
