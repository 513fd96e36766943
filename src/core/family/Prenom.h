// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A child's first name as the family types it: what makes it fit to show and
// to tell apart from the others. A name never becomes part of a file's name.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int LongueurMaxPrenom = 30;

// The name as it is kept: in composed form, without the spaces around it.
QString PrenomNettoye(const QString& nom);

// What tells two names apart: neither case nor accents count, « Zoé » is « zoe ».
QString ClePrenom(const QString& nom);

// Why the name cannot be a child's beside the others given, in words for the
// family; empty when it can.
QString RefusPrenom(const QString& nom, const QStringList& autres);
