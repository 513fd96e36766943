#include "Donnees.h"

#include "Textes.h"

#include <QSqlError>
#include <QSqlQuery>

const QStringList& ColonnesResultats()
{
    static const QStringList colonnes = {
        QStringLiteral("DateHeure"),        QStringLiteral("Multiplicateur1a12"),
        QStringLiteral("Aléatoire"),        QStringLiteral("NumLivret"),
        QStringLiteral("NbQuestionParLivret"), QStringLiteral("NbQuestionEssai1"),
        QStringLiteral("TempsTotalEssai1"), QStringLiteral("NbQuestionEssai2"),
        QStringLiteral("NbQuestionRéponse")};
    return colonnes;
}

BaseResultats::BaseResultats(const QString& nomConnexion)
    : BaseDonnees(nomConnexion, Textes::NomFichierBase, NomTableResultats, ColonnesResultats())
{
}

Resultats RemplirResultats(const CompteursLivrets& c, bool multiplicateur1a12, bool aleatoire)
{
    Resultats resultats;
    for (int i = 0; i < NbLivrets; ++i)
        resultats[i] = {multiplicateur1a12,       aleatoire ? 1 : 0,     c.NbQuestionParLivret[i],
                        c.NbQuestionEssai1[i],    c.NbQuestionEssai2[i], c.NbQuestionRéponse[i],
                        c.TempsTotalEssai1[i]};
    return resultats;
}

ProblemeBase EcrireResultats(const Resultats& resultats, BaseDonnees& base, const QDateTime& moment)
{
    QStringList colonnes;
    for (const QString& colonne : ColonnesResultats())
        colonnes << NomSql(colonne);
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(NomSql(NomTableResultats), colonnes.join(QStringLiteral(", ")));
    return base.Transaction([&](QSqlDatabase& connexion) {
        QSqlQuery requete(connexion);
        if (!requete.prepare(sql))
            return base.Probleme(requete.lastError());
        for (int i = 0; i < NbLivrets; ++i) {
            const ResultatLivret& r = resultats[i];
            if (r.NbQuestionParLivret == 0)
                continue;
            for (const QVariant& valeur :
                 {QVariant(TexteBase(moment)), QVariant(r.Multiplicateur1a12 ? 1 : 0),
                  QVariant(r.Aléatoire), QVariant(i + PremierLivret), QVariant(r.NbQuestionParLivret),
                  QVariant(r.NbQuestionEssai1), QVariant(r.TempsTotalEssai1),
                  QVariant(r.NbQuestionEssai2), QVariant(r.NbQuestionRéponse)})
                requete.addBindValue(valeur);
            if (!requete.exec())
                return base.Probleme(requete.lastError());
        }
        return ProblemeBase::Aucun;
    });
}

Lecture<bool> ContientDesResultats(BaseDonnees& base)
{
    QSqlQuery requete;
    const ProblemeBase probleme =
        base.Executer(requete, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(NomSql(NomTableResultats)));
    if (probleme != ProblemeBase::Aucun)
        return {false, probleme};
    return {requete.next() && requete.value(0).toBool(), ProblemeBase::Aucun};
}
