#include "Outils.h"

#include "Textes.h"
#include "platform/BaseDonnees.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

Repondeur::Repondeur(QList<Reponse> reponses_)
    : reponses(std::move(reponses_))
{
    connect(&minuterie, &QTimer::timeout, this, &Repondeur::repondre);
    minuterie.start(5);
}

void Repondeur::repondre()
{
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible())
        return;
    MessageVu vu;
    vu.titre = boite->windowTitle();
    vu.texte = boite->text();
    vu.icone = boite->icon();
    vu.boutons = boite->standardButtons();
    vu.defaut = boite->standardButton(boite->defaultButton());
    vu.echappement = boite->standardButton(boite->escapeButton());
    for (QAbstractButton* bouton : boite->buttons())
        vu.textesBoutons << bouton->text();
    vu.applicationModale = boite->windowModality() == Qt::ApplicationModal;
    const Reponse reponse = choix ? choix(vu) : reponses.at(std::min<qsizetype>(vus.size(), reponses.size() - 1));
    vus << vu;
    if (reponse.touche)
        QTest::keyClick(boite, Qt::Key(reponse.touche));
    else if (QAbstractButton* bouton = boite->button(reponse.bouton))
        bouton->click();
    else
        boite->reject();
}

DossierProgramme::DossierProgramme(bool avecProgramme, bool avecBase)
    : precedent(QDir::currentPath())
{
    if (avecProgramme)
        QFile::link(QStringLiteral(CALKADO_PROGRAMME), dossier.filePath(Textes::NomFichierProgramme));
    if (avecBase && !CreerBase(QStringLiteral(CALKADO_SCHEMA), dossier.filePath(Textes::NomFichierBase)))
        qFatal("Impossible de créer le magasin des résultats");
    QDir::setCurrent(dossier.path());
}

DossierProgramme::~DossierProgramme()
{
    QDir::setCurrent(precedent);
}

namespace Magasin {

namespace {

template<typename Travail>
void avecConnexion(const QString& fichier, Travail travail)
{
    const QString nom = QStringLiteral("test:") + fichier;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(fichier);
        if (!base.open())
            qFatal("%s", qPrintable(base.lastError().text()));
        travail(base);
        base.close();
    }
    QSqlDatabase::removeDatabase(nom);
}

const QString Colonnes = QStringLiteral(
    "\"DateHeure\", \"Multiplicateur1a12\", \"Aléatoire\", \"NumLivret\", \"NbQuestionParLivret\", "
    "\"NbQuestionEssai1\", \"TempsTotalEssai1\", \"NbQuestionEssai2\", \"NbQuestionRéponse\"");

} // namespace

QStringList lignes(const QString& fichier)
{
    QStringList resultat;
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        if (!requete.exec(QStringLiteral("SELECT %1 FROM \"TCalkado\" ORDER BY \"Id\"").arg(Colonnes)))
            qFatal("%s", qPrintable(requete.lastError().text()));
        while (requete.next()) {
            QStringList valeurs;
            for (int i = 0; i < 9; ++i)
                valeurs << requete.value(i).toString();
            resultat << valeurs.join(QLatin1Char('|'));
        }
    });
    return resultat;
}

void executer(const QStringList& sql, const QString& fichier)
{
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        for (const QString& instruction : sql) {
            QSqlQuery requete(base);
            if (!requete.exec(instruction))
                qFatal("%s : %s", qPrintable(instruction), qPrintable(requete.lastError().text()));
        }
    });
}

void ajouter(const QString& ligne, const QString& fichier)
{
    const QStringList v = ligne.split(QLatin1Char('|'));
    if (v.size() != 9)
        qFatal("ligne mal formée : %s", qPrintable(ligne));
    QStringList valeurs = {QLatin1Char('\'') + v[0] + QLatin1Char('\'')};
    valeurs += v.mid(1);
    executer({QStringLiteral("INSERT INTO \"TCalkado\" (%1) VALUES (%2)").arg(Colonnes, valeurs.join(", "))},
             fichier);
}

} // namespace Magasin

namespace Magasin {

void remplir(const QString& connexion, const QString& fichier)
{
    qlonglong pages = 0;
    avecConnexion(fichier, [&](QSqlDatabase& base) {
        QSqlQuery requete(base);
        const auto nombrePages = [&] {
            requete.exec(QStringLiteral("PRAGMA page_count"));
            requete.next();
            return requete.value(0).toLongLong();
        };
        pages = nombrePages();
        for (;;) {
            requete.exec(QStringLiteral("SAVEPOINT ligne"));
            requete.exec(QStringLiteral("INSERT INTO \"TCalkado\" (%1) VALUES "
                                        "('2000-01-01 00:00:00', 0, 0, 2, 1, 0, 0, 0, 0)").arg(Colonnes));
            const qlonglong apres = nombrePages();
            if (apres > pages) {
                requete.exec(QStringLiteral("ROLLBACK TO ligne"));
                requete.exec(QStringLiteral("RELEASE ligne"));
                break;
            }
            requete.exec(QStringLiteral("RELEASE ligne"));
        }
    });
    QSqlQuery limite(QSqlDatabase::database(connexion, false));
    if (!limite.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)))
        qFatal("%s", qPrintable(limite.lastError().text()));
}

bool proteger(const QString& fichier, bool protege)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(fichier).constData(), O_RDONLY);
    if (fd >= 0) {
        int attributs = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &attributs) == 0) {
            attributs = protege ? (attributs | FS_IMMUTABLE_FL) : (attributs & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &attributs);
        }
        ::close(fd);
    }
#endif
    QFile::setPermissions(fichier, protege ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QFile essai(fichier);
    const bool ecrivable = essai.open(QIODevice::ReadWrite);
    return protege ? !ecrivable : ecrivable;
}

} // namespace Magasin
