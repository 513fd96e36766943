// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LectureNombre.h"

namespace {

bool estBlanc(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString LireNombre(QStringView texte)
{
    QString chiffres;
    for (const QChar c : texte) {
        if (estBlanc(c))
            continue;
        if (c < u'0' || c > u'9')
            break;
        if (chiffres.isEmpty() && c == u'0')
            continue;
        chiffres.append(c);
    }
    return chiffres.isEmpty() ? QStringLiteral("0") : chiffres;
}
