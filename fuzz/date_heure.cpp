// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The date and time of a saved training as the program stores it and as the
// viewer lists it, in any language: a stored value reads back as itself and
// only in its own form, two moments apart never list alike (a year of two
// digits, a missing second or a lost hour would), a day alone lists as its
// midnight, and no text at all makes the reading or the listing fail.
#include "Exiger.h"
#include "core/results/DateHeure.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace {

// The input read from the front, with zeros once it is used up.
struct Lecteur
{
    const std::uint8_t* octets;
    std::size_t taille;
    std::size_t lus = 0;

    unsigned octet() { return lus < taille ? octets[lus++] : 0u; }
    unsigned nombre(int n)
    {
        unsigned v = 0;
        for (int i = 0; i < n; ++i)
            v = v << 8 | octet();
        return v;
    }
    // The rest as text: UTF-8 or raw UTF-16 code units, as its first byte says.
    QString texte()
    {
        const bool utf16 = octet() % 2;
        const auto* debut = reinterpret_cast<const char*>(octets + lus);
        const auto n = static_cast<qsizetype>(taille - lus);
        return utf16 ? QString(reinterpret_cast<const QChar*>(debut), n / 2) : QString::fromUtf8(debut, n);
    }
};

// A moment of a save: a day of the years 1000 to 9999, a time to the
// second, midnight exactly one time in four.
QDateTime Moment(Lecteur& l)
{
    const int annee = 1000 + int(l.nombre(2) % 9000);
    const int mois = 1 + int(l.octet() % 12);
    const QDate date(annee, mois, 1 + int(l.octet() % unsigned(QDate(annee, mois, 1).daysInMonth())));
    const unsigned secondes = l.nombre(3);
    const QTime heure = secondes % 4 == 0 ? QTime(0, 0) : QTime(0, 0).addSecs(int(secondes / 4 % 86400));
    return QDateTime(date, heure, Qt::UTC);
}

// A moment near the one given, as a list shows them side by side: a second,
// a minute, an hour, a day, a month, a year or a century away, either way.
QDateTime Voisin(const QDateTime& moment, unsigned choix)
{
    const int sens = choix % 2 ? 1 : -1;
    switch (choix / 2 % 7) {
    case 0: return moment.addSecs(sens);
    case 1: return moment.addSecs(60 * sens);
    case 2: return moment.addSecs(3600 * sens);
    case 3: return moment.addDays(sens);
    case 4: return moment.addMonths(sens);
    case 5: return moment.addYears(sens);
    default: return moment.addYears(100 * sens);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    // Every language Qt knows.
    static const QList<QLocale> langues =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    Lecteur l{octets, taille};
    const QLocale& langue = langues[qsizetype(l.nombre(2) % unsigned(langues.size()))];

    const QDateTime moment = Moment(l);
    const QString stocke = TexteBase(moment);
    const QString cas = langue.name() + QStringLiteral(" ") + stocke;
    exiger(LireTexteBase(stocke) == moment, "valeur stockée relue", cas);
    const QString element = ElementListe(stocke, langue);
    exiger(!element.isEmpty(), "élément de la liste", cas);
    if (moment.time() == QTime(0, 0))
        exiger(TexteJour(moment.date(), langue) == element, "jour seul", cas);
    const QDateTime voisin = Voisin(moment, l.octet());
    if (voisin.date().year() >= 1000 && voisin.date().year() <= 9999)
        exiger(ElementListe(TexteBase(voisin), langue) != element, "deux moments listés pareil",
               cas + QStringLiteral(" et ") + TexteBase(voisin) + QStringLiteral(" -> ") + element);

    // Any text: a stored value is read only in its own form; one that is
    // not is listed as it is.
    const QString t = l.texte();
    const QDateTime base = LireTexteBase(t);
    exiger(!base.isValid() || TexteBase(base) == t, "valeur stockée dans sa seule forme", t);
    exiger(base.isValid() || ElementListe(t, langue) == t, "texte listé tel quel", t);
    return 0;
}
