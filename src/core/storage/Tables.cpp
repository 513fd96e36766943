// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tables.h"

#include "core/storage/Connexion.h"

QString ListeSql(const QStringList& colonnes, const QString& alias)
{
    QStringList liste;
    for (const QString& colonne : colonnes)
        liste << (alias.isEmpty() ? NomSql(colonne)
                                  : alias + QLatin1Char('.') + NomSql(colonne) + QStringLiteral(" AS ") + NomSql(colonne));
    return liste.join(QStringLiteral(", "));
}
