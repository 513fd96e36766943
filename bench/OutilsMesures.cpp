// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OutilsMesures.h"

#include "Statistiques.h"

#include <QCoreApplication>
#include <QDateTime>
#include <random>
#include <utility>

void RemplirEntrainements(const QString& fichier, int entrainements)
{
    QList<QVariantList> lignes, faits;
    std::mt19937 hasard(2026);
    const QDateTime debut(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
    const auto tirer = [&hasard](int n) { return int(hasard() % unsigned(n)); };
    for (int e = 0; e < entrainements; ++e) {
        const QString moment = debut.addSecs(qint64(e) * 600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const int options = tirer(4);
        for (int livret = 2; livret <= 12; ++livret) {
            if (tirer(11) >= 6)
                continue;
            // Each question settled as a fact, agreeing with the row.
            const int questions = 1 + tirer(20), essai1 = tirer(questions + 1), essai2 = tirer(questions - essai1 + 1);
            const int dixiemes = 20 + tirer(80);
            for (int q = 0; q < questions; ++q) {
                const int issue = q < essai1 ? 1 : q < essai1 + essai2 ? 2 : 3;
                faits.append({moment, livret, 1 + tirer(12), issue, issue == 1 ? 1 : 2 + tirer(3),
                              issue == 1 ? dixiemes : 40 + tirer(200)});
            }
            lignes.append({moment, options & 1, options >> 1, livret, questions, essai1, essai1 * dixiemes, essai2,
                           questions - essai1 - essai2});
        }
        if (lignes.size() > 50000 || e == entrainements - 1) {   // by parts: millions of facts
            Magasin::ajouter(std::exchange(lignes, {}), fichier);
            Magasin::ajouterFaits(std::exchange(faits, {}), fichier);
        }
    }
}

double Chronometrer(const std::function<void()>& action)
{
    const auto debut = Horodatage::now();
    action();
    QCoreApplication::processEvents();
    return MillisecondesDepuis(debut);
}

Resultats TroisTables()
{
    Resultats resultats;
    for (const int i : {1, 5, 7})
        resultats[std::size_t(i)] = {{10, 7, 2, 1, 175}, true, 1};
    return resultats;
}

QList<Fait> LeursFaits()
{
    QList<Fait> faits;
    for (const int livret : {3, 7, 9})
        for (int m = 1; m <= 10; ++m)
            faits.append({livret, m, m <= 7 ? Issue::Essai1 : m <= 9 ? Issue::Essai2 : Issue::Reponse, m <= 7 ? 1 : 3,
                          25});
    return faits;
}
