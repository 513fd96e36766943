// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistiques.h"

#include <QFile>
#include <QLibraryInfo>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>
#include <algorithm>

double Serie::mediane() const
{
    if (valeurs.empty())
        return 0;
    std::vector<double> triees = valeurs;
    std::sort(triees.begin(), triees.end());
    const std::size_t milieu = triees.size() / 2;
    return triees.size() % 2 ? triees[milieu] : (triees[milieu - 1] + triees[milieu]) / 2;
}

double Serie::minimum() const
{
    return valeurs.empty() ? 0 : *std::min_element(valeurs.begin(), valeurs.end());
}

double Serie::maximum() const
{
    return valeurs.empty() ? 0 : *std::max_element(valeurs.begin(), valeurs.end());
}

QString Nombre(double valeur, const QString& unite)
{
    const int decimales = valeur < 1 ? 3 : valeur < 10 ? 2 : valeur < 100 ? 1 : 0;
    return QString::number(valeur, 'f', decimales) + QLatin1Char(' ') + unite;
}

QString Rapport::texte() const
{
    QString sortie;
    QTextStream flux(&sortie);
    flux << "| Mesure | Médiane | Min | Max | Plancher | Cible | Tenue |\n"
         << "|---|---:|---:|---:|---:|---|:---:|\n";
    for (const Ligne& l : lignes)
        flux << "| " << l.mesure << " | " << Nombre(l.serie.mediane(), l.unite) << " | "
             << Nombre(l.serie.minimum(), l.unite) << " | " << Nombre(l.serie.maximum(), l.unite)
             << " | " << (l.plancher.isEmpty() ? QStringLiteral("–") : l.plancher) << " | " << l.cible
             << " | " << (l.tenue ? "oui" : "**non**") << " |\n";
    for (const QString& n : notes)
        flux << "\n" << n << "\n";
    return sortie;
}

namespace {

#if defined(__clang__)
constexpr const char* Compilateur = "clang " __clang_version__;
#elif defined(__GNUC__)
constexpr const char* Compilateur = "GCC " __VERSION__;
#else
constexpr const char* Compilateur = "?";
#endif

QString Champ(const QString& fichier, const QString& debut)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // The files of /proc have no size: read them whole.
    for (const QString& ligne : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
        if (ligne.startsWith(debut))
            return ligne.section(QLatin1Char(':'), 1).trimmed();
    return {};
}

} // namespace

QString DescriptionMachine()
{
    const QString memoire = Champ(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"));
    return QStringLiteral("%1, %2 cœurs, %3 Gio de mémoire ; %4 ; Qt %5 ; %6")
        .arg(Champ(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name")))
        .arg(QThread::idealThreadCount())
        .arg(memoire.section(QLatin1Char(' '), 0, 0).toLongLong() / (1024 * 1024))
        .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()),
             QStringLiteral("compilé par ") + QString::fromLatin1(Compilateur));
}
