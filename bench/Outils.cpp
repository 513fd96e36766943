#include "Outils.h"

#include "Statistiques.h"
#include "Textes.h"
#include "platform/BaseDonnees.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <random>

namespace {

// Saved trainings ten minutes apart from 2020 on, each with the tables
// chosen by chance (six on average) and plausible counts.
void Remplir(const QString& fichier, int entrainements)
{
    const QString nom = QStringLiteral("remplissage");
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(fichier);
        base.open();
        base.transaction();
        QSqlQuery requete(base);
        requete.prepare(QStringLiteral(
            "INSERT INTO \"TCalkado\" (\"DateHeure\", \"Multiplicateur1a12\", \"Aléatoire\", \"NumLivret\", "
            "\"NbQuestionParLivret\", \"NbQuestionEssai1\", \"TempsTotalEssai1\", \"NbQuestionEssai2\", "
            "\"NbQuestionRéponse\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
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
                for (const QVariant& valeur :
                     {QVariant(moment), QVariant(options & 1), QVariant(options >> 1), QVariant(livret),
                      QVariant(questions), QVariant(essai1), QVariant(essai1 * int(20 + hasard() % 80)),
                      QVariant(essai2), QVariant(questions - essai1 - essai2)})
                    requete.addBindValue(valeur);
                requete.exec();
            }
        }
        base.commit();
    }
    QSqlDatabase::removeDatabase(nom);
}

} // namespace

Dossier::Dossier(int entrainements)
{
    QFile::link(QStringLiteral(CALKADO_PROGRAMME), dossier.filePath(Textes::NomFichierProgramme));
    if (!CreerBase(QStringLiteral(CALKADO_SCHEMA), base()))
        qFatal("Impossible de créer le magasin des résultats");
    if (entrainements > 0)
        Remplir(base(), entrainements);
}

QString Dossier::base() const
{
    return dossier.filePath(Textes::NomFichierBase);
}

void Dossier::entrer() const
{
    QDir::setCurrent(dossier.path());
}

Repondeur::Repondeur()
{
    qApp->installEventFilter(this);
}

Repondeur::~Repondeur()
{
    qApp->removeEventFilter(this);
}

bool Repondeur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show) {
        if (auto* boite = qobject_cast<QMessageBox*>(objet)) {
            QTimer::singleShot(0, boite, [this, boite] {
                QAbstractButton* bouton = boite->button(QMessageBox::Yes);
                reponse = Horodatage::now();
                (bouton ? bouton : boite->button(QMessageBox::Ok))->click();
            });
        }
    }
    return false;
}

double Chronometrer(const std::function<void()>& action)
{
    const auto debut = Horodatage::now();
    action();
    QCoreApplication::processEvents();
    return MillisecondesDepuis(debut);
}
