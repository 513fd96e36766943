// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The date and time of a saved training as the viewer lists it, in any
// language: every stored value comes back exactly from its item, and no text
// read as an item makes the reading fail.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    // Every language Qt knows.
    static const QList<QLocale> langues =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    Lecteur l{octets, taille};
    const QLocale& langue = langues[qsizetype(l.nombre(2) % unsigned(langues.size()))];

    // A moment of a save: a day of the years 1000 to 9999, a time to the
    // second, midnight exactly one time in four.
    const int annee = 1000 + int(l.nombre(2) % 9000);
    const int mois = 1 + int(l.octet() % 12);
    const QDate date(annee, mois, 1 + int(l.octet() % unsigned(QDate(annee, mois, 1).daysInMonth())));
    const unsigned secondes = l.nombre(3);
    const QTime heure = secondes % 4 == 0 ? QTime(0, 0) : QTime(0, 0).addSecs(int(secondes / 4 % 86400));
    const QDateTime moment(date, heure, Qt::UTC);
    const QString stocke = TexteBase(moment);
    const QString cas = langue.name() + QStringLiteral(" ") + stocke;
    exiger(LireTexteBase(stocke) == moment, "valeur stockée relue", cas);
    const QString element = ElementListe(stocke, langue);
    exiger(LireDateHeure(element, langue) == moment, "élément relu", cas + QStringLiteral(" -> ") + element);
    exiger(CleElement(element, langue) == stocke, "clé de l'élément", cas + QStringLiteral(" -> ") + element);

    // Any text: a stored value is read only in its own form, and a text read
    // as an item that stands for a stored value is that value's item.
    const QString t = l.texte();
    const QDateTime base = LireTexteBase(t);
    exiger(!base.isValid() || TexteBase(base) == t, "valeur stockée dans sa seule forme", t);
    ElementListe(t, langue);
    const QString cle = CleElement(t, langue);
    if (LireTexteBase(cle).isValid())
        exiger(CleElement(ElementListe(cle, langue), langue) == cle, "clé d'un élément lu, relue",
               langue.name() + QStringLiteral(" ") + t + QStringLiteral(" -> ") + cle);
    return 0;
}
