#include "TableauResultats.h"

#include "training/LectureNombre.h"

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

QString TexteTempsMoyen(qint64 dixiemes, qint64 nbEssai1, const QLocale& locale)
{
    if (nbEssai1 < 1)
        return QString();
    return FormatTemps(double(dixiemes) / double(nbEssai1) / 10.0, locale);
}

TextesResultats AfficherResultats(const CompteursLivrets& compteurs, const QLocale& locale)
{
    TextesResultats textes;
    const std::array<const CompteurLivrets*, NbLignesResultats> comptes = {
        &compteurs.NbQuestionParLivret, &compteurs.NbQuestionEssai1, nullptr,
        &compteurs.NbQuestionEssai2, &compteurs.NbQuestionRéponse};
    std::array<qint64, NbLignesResultats> totaux{};
    qint64 tempsTotal = 0;
    for (int i = 0; i < NbLivrets; ++i) {
        for (int ligne = 0; ligne < NbLignesResultats; ++ligne) {
            if (!comptes[ligne])
                continue;
            const qint32 compte = (*comptes[ligne])[i];
            textes.cellules[ligne][i] = TexteCompte(compte);
            if (compte >= 1)
                totaux[ligne] += compte;
        }
        const qint32 essai1 = compteurs.NbQuestionEssai1[i];
        textes.cellules[int(LigneResultats::Temps)][i] =
            TexteTempsMoyen(compteurs.TempsTotalEssai1[i], essai1, locale);
        if (essai1 >= 1)
            tempsTotal += compteurs.TempsTotalEssai1[i];
    }
    for (int ligne = 0; ligne < NbLignesResultats; ++ligne)
        textes.totaux[ligne] = TexteCompte(totaux[ligne]);
    textes.totaux[int(LigneResultats::Temps)] =
        TexteTempsMoyen(tempsTotal, totaux[int(LigneResultats::Essai1)], locale);
    return textes;
}

bool ResultatsPresents(QStringView texteTotalQuestions)
{
    return LireNombre(texteTotalQuestions) != QLatin1String("0");
}
