// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Prenom.h"

#include "core/Textes.h"

#include <QStringView>

namespace {

// A character that shows nothing of its own or commands the text around it:
// a control, a line or paragraph break, a format mark (text direction among
// them), half of a pair that lost its other half.
bool Invisible(char32_t point)
{
    switch (QChar::category(point)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The name's characters as a reader counts them, a lone half of a pair kept as it is.
QList<char32_t> Points(const QString& nom)
{
    QList<char32_t> points;
    for (qsizetype i = 0; i < nom.size(); ++i) {
        const QChar c = nom.at(i);
        if (c.isHighSurrogate() && i + 1 < nom.size() && nom.at(i + 1).isLowSurrogate()) {
            points << QChar::surrogateToUcs4(c, nom.at(i + 1));
            ++i;
        } else {
            points << c.unicode();
        }
    }
    return points;
}

} // namespace

QString PrenomNettoye(const QString& nom)
{
    return nom.normalized(QString::NormalizationForm_C).trimmed();
}

QString ClePrenom(const QString& nom)
{
    QString cle;
    for (const QChar c : PrenomNettoye(nom).normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            cle += c;
    return cle.toCaseFolded();
}

QString RefusPrenom(const QString& nom, const QStringList& autres)
{
    const QString propre = PrenomNettoye(nom);
    if (propre.isEmpty())
        return Textes::PrenomVide;
    const QList<char32_t> points = Points(propre);
    if (points.size() > LongueurMaxPrenom)
        return Textes::PrenomTropLong(int(points.size()), LongueurMaxPrenom);
    if (propre.contains(QLatin1Char('/')) || propre.contains(QLatin1Char('\\')))
        return Textes::PrenomBarre;
    if (propre.contains(QStringLiteral("..")))
        return Textes::PrenomPoints;
    if (std::any_of(points.cbegin(), points.cend(), Invisible))
        return Textes::PrenomInvisible;
    const QString cle = ClePrenom(propre);
    for (const QString& autre : autres)
        if (ClePrenom(autre) == cle)
            return Textes::PrenomPris(autre);
    return {};
}
