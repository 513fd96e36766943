// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The viewer's list read back, as a parent reads it: the moment an item
// stands for, found again from the item alone. The program never reads its
// list back; the tests do, to show that no two saved trainings read alike in
// any language.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The moment of an item (the locale's short date with four digits for the
// year, then "HH:mm:ss" unless at midnight), or an invalid one.
QDateTime LireDateHeure(const QString& texte, const QLocale& locale);

// The stored value ("yyyy-MM-dd HH:mm:ss") an item stands for; a text that
// is no date and time stands for itself.
QString CleElement(const QString& element, const QLocale& locale);
