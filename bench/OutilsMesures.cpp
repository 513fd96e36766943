#include "OutilsMesures.h"

#include "Statistiques.h"

#include <QCoreApplication>
#include <QDateTime>
#include <random>

void RemplirEntrainements(const QString& fichier, int entrainements)
{
    QList<QVariantList> lignes;
    std::mt19937 hasard(2026);
    const QDateTime debut(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
    for (int e = 0; e < entrainements; ++e) {
        const QString moment = debut.addSecs(qint64(e) * 600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const int options = int(hasard() % 4);
        for (int livret = 2; livret <= 12; ++livret) {
            if (hasard() % 11 >= 6)
                continue;
            const int questions = 1 + int(hasard() % 20);
            const int essai1 = int(hasard() % unsigned(questions + 1));
            const int essai2 = int(hasard() % unsigned(questions - essai1 + 1));
            lignes.append({moment, options & 1, options >> 1, livret, questions, essai1,
                           essai1 * int(20 + hasard() % 80), essai2, questions - essai1 - essai2});
        }
    }
    Magasin::ajouter(lignes, fichier);
}

double Chronometrer(const std::function<void()>& action)
{
    const auto debut = Horodatage::now();
    action();
    QCoreApplication::processEvents();
    return MillisecondesDepuis(debut);
}
