// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableauResultats.h"

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

int TitreDeLigne(LigneResultats ligne)
{
    switch (ligne) {
    case LigneResultats::Questions:
        return 0;
    case LigneResultats::Essai1:
        return 1;
    case LigneResultats::Temps:
        return 4;
    case LigneResultats::Essai2:
        return 2;
    case LigneResultats::Réponse:
        return 3;
    }
    return 0;
}

double PartEssai1(qint64 essai1, qint64 questions)
{
    if (questions < 1)
        return 0;
    return std::min(100.0, 100.0 * double(std::max<qint64>(essai1, 0)) / double(questions));
}

namespace {

QString TexteCellule(const Comptes& c, LigneResultats ligne, const QLocale& locale)
{
    switch (ligne) {
    case LigneResultats::Questions:
        return TexteCompte(c.NbQuestionParLivret);
    case LigneResultats::Essai1:
        return TexteCompte(c.NbQuestionEssai1);
    case LigneResultats::Temps:
        return TexteTempsMoyen(c.TempsTotalEssai1, c.NbQuestionEssai1, locale);
    case LigneResultats::Essai2:
        return TexteCompte(c.NbQuestionEssai2);
    case LigneResultats::Réponse:
        return TexteCompte(c.NbQuestionRéponse);
    }
    return {};
}

} // namespace

TextesResultats TextesDuTableau(const ComptesLivrets& comptes, const QLocale& locale)
{
    TextesResultats textes;
    const Comptes total = Total(comptes);
    for (int ligne = 0; ligne < NbLignesResultats; ++ligne) {
        for (std::size_t i = 0; i < comptes.size(); ++i)
            textes.cellules[std::size_t(ligne)][i] = TexteCellule(comptes[i], LigneResultats(ligne), locale);
        textes.totaux[std::size_t(ligne)] = TexteCellule(total, LigneResultats(ligne), locale);
    }
    return textes;
}
