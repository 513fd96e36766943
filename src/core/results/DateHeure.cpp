// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/results/DateHeure.h"

namespace {

const QString FormatHeure = QStringLiteral("HH:mm:ss");

} // namespace

QString FormatDateListe(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QLocale ChiffresListe(const QLocale& locale)
{
    // Qt reads back no digit that takes two UTF-16 units (Chakma's, Adlam's).
    return locale.zeroDigit().size() == 1 ? locale : QLocale::c();
}

QDateTime MomentEnregistrement(const QDateTime& maintenant)
{
    const QTime heure = maintenant.time();
    return QDateTime(maintenant.date(), QTime(heure.hour(), heure.minute(), heure.second()), Qt::UTC);
}

QString TexteBase(const QDateTime& moment)
{
    // "yyyy-MM-dd HH:mm:ss" through the ISO forms, many times faster than a
    // format string when the viewer lists thousands of saved trainings.
    if (!moment.isValid())
        return {};
    const QTime heure = moment.time();
    return moment.date().toString(Qt::ISODate) + QLatin1Char(' ')
           + QTime(heure.hour(), heure.minute(), heure.second()).toString(Qt::ISODate);
}

QDateTime LireTexteBase(const QString& texte)
{
    // Date and time apart: read together, a time that the local zone skips
    // in spring would not be valid.
    if (texte.size() != 19 || texte.at(10) != QLatin1Char(' '))
        return {};
    const QDate date = QDate::fromString(QStringView(texte).left(10), Qt::ISODate);
    const QTime heure = QTime::fromString(QStringView(texte).mid(11), Qt::ISODate);
    if (!date.isValid() || !heure.isValid())
        return {};
    // Only the exact stored form counts.
    const QDateTime moment(date, heure, Qt::UTC);
    return TexteBase(moment) == texte ? moment : QDateTime();
}

QString TexteDateHeure(const QDateTime& moment, const QLocale& locale)
{
    const QLocale chiffres = ChiffresListe(locale);
    const QString date = chiffres.toString(moment.date(), FormatDateListe(locale));
    if (moment.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + chiffres.toString(moment.time(), FormatHeure);
}

QString TexteJour(const QDate& jour, const QLocale& locale)
{
    return TexteDateHeure(QDateTime(jour, QTime(0, 0), Qt::UTC), locale);
}

QString ElementListe(const QString& texteBase, const QLocale& locale)
{
    const QDateTime moment = LireTexteBase(texteBase);
    return moment.isValid() ? TexteDateHeure(moment, locale) : texteBase;
}
