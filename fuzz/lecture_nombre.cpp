// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading of a typed answer, given any text: it never fails, and what it
// reads is the number the text starts with, in its plain form.
#include "Exiger.h"
#include "core/training/LectureNombre.h"

#include <QString>
#include <cstddef>
#include <cstdint>

namespace {

bool blanc(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The bytes as text: UTF-8, Latin-1 or raw UTF-16 code units (lone
// surrogates included), as the first byte says.
QString texte(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0)
        return {};
    const auto* debut = reinterpret_cast<const char*>(octets + 1);
    const auto n = static_cast<qsizetype>(taille - 1);
    switch (octets[0] % 3) {
    case 0: return QString::fromUtf8(debut, n);
    case 1: return QString::fromLatin1(debut, n);
    default: return QString(reinterpret_cast<const QChar*>(debut), n / 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    const QString t = texte(octets, taille);
    const QString lu = LireNombre(t);

    // Digits only, without leading zeros; "0" when the text starts with no number.
    exiger(!lu.isEmpty() && (lu == u"0" || lu.front() != u'0'), "sans zéro en tête", lu);
    for (const QChar c : lu)
        exiger(c >= u'0' && c <= u'9', "chiffres seuls", lu);
    exiger(LireNombre(lu) == lu, "relu tel quel", lu);

    // Blanks count for nothing, wherever they stand; nor do leading zeros.
    QString sansBlancs = t;
    sansBlancs.removeIf(blanc);
    exiger(LireNombre(sansBlancs) == lu, "blancs sans effet", t);
    exiger(LireNombre(QStringLiteral("0 0") + t) == lu, "zéros en tête sans effet", t);

    // Those digits are the ones the text starts with, up to the first character that is none.
    qsizetype fin = 0;
    while (fin < sansBlancs.size() && sansBlancs[fin] >= u'0' && sansBlancs[fin] <= u'9')
        ++fin;
    QString tete = sansBlancs.left(fin);
    while (tete.startsWith(u'0'))
        tete.remove(0, 1);
    exiger(lu == (tete.isEmpty() ? QStringLiteral("0") : tete), "les chiffres du début", t);
    return 0;
}
