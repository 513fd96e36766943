// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dates.h"

#include "core/results/DateHeure.h"

namespace {

// The time as the list writes it.
const QString FormatHeure = QStringLiteral("HH:mm:ss");

} // namespace

QDateTime LireDateHeure(const QString& texte, const QLocale& locale)
{
    const QString formatDate = FormatDateListe(locale);
    const QLocale chiffres = ChiffresListe(locale);
    QDate date = chiffres.toDate(texte, formatDate);
    QTime heure(0, 0);
    if (!date.isValid()) {
        // The time is the last word; the date may hold blanks of its own.
        const qsizetype blanc = texte.lastIndexOf(QLatin1Char(' '));
        if (blanc < 0)
            return {};
        date = chiffres.toDate(texte.left(blanc), formatDate);
        heure = chiffres.toTime(texte.mid(blanc + 1), FormatHeure);
    }
    if (!date.isValid() || !heure.isValid())
        return {};
    return QDateTime(date, heure, Qt::UTC);
}

QString CleElement(const QString& element, const QLocale& locale)
{
    const QDateTime moment = LireDateHeure(element, locale);
    return moment.isValid() ? TexteBase(moment) : element;
}
