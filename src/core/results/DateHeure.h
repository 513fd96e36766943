// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The date and time of a saved training. It is the local wall-clock time of
// the save to the second, with no time zone: the values are carried in
// QDateTime of Qt::UTC so that no daylight-saving rule ever moves them.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The moment of a save: the local date and time, cut to the whole second.
QDateTime MomentEnregistrement(const QDateTime& maintenant = QDateTime::currentDateTime());

// As the store keeps it: "yyyy-MM-dd HH:mm:ss". Reading gives an invalid
// value for any other text.
QString TexteBase(const QDateTime& moment);
QDateTime LireTexteBase(const QString& texte);

// As the viewer lists it: the locale's short date, always with four digits
// for the year, a blank and "HH:mm:ss", the time left out at midnight
// exactly, in the locale's digits where Qt can read them back, so that no
// two moments read alike.
QString TexteDateHeure(const QDateTime& moment, const QLocale& locale = QLocale());
// What the list is written with: the locale's short date format, widened to
// four-digit years so that the year reads back as it was, and the locale whose
// digits it uses (the digits 0 to 9 for a language whose own Qt cannot read
// back, as Chakma's or Adlam's).
QString FormatDateListe(const QLocale& locale);
QLocale ChiffresListe(const QLocale& locale);
// A day alone, as the same short date.
QString TexteJour(const QDate& jour, const QLocale& locale = QLocale());

// The viewer's item for a stored value. A stored value that is not a date
// and time is shown as it is.
QString ElementListe(const QString& texteBase, const QLocale& locale = QLocale());
