#include "LectureResultats.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>

namespace {

qint32 Entier(const QVariant& valeur)
{
    return static_cast<qint32>(std::clamp<qlonglong>(valeur.toLongLong(), std::numeric_limits<qint32>::min(),
                                                     std::numeric_limits<qint32>::max()));
}

} // namespace

Lecture<QStringList> LireDates(BaseDonnees& base)
{
    // Newest first, in the order rows were added, read backwards straight
    // from the table; rows next to each other with the same date and time
    // make one item.
    QSqlQuery requete;
    const ProblemeBase probleme = base.Executer(requete, QStringLiteral(
        "SELECT \"DateHeure\" FROM \"TCalkado\" ORDER BY \"Id\" DESC"));
    if (probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    QStringList dates;
    while (requete.next()) {
        QString dateHeure = requete.value(0).toString();
        if (dates.isEmpty() || dates.constLast() != dateHeure)
            dates << std::move(dateHeure);
    }
    return {dates, ProblemeBase::Aucun};
}

Lecture<Resultats> LireResultats(BaseDonnees& base, const QString& dateHeure)
{
    QSqlQuery requete;
    const ProblemeBase probleme = base.Executer(requete, QStringLiteral(
        "SELECT \"NumLivret\", \"Multiplicateur1a12\", \"Aléatoire\", \"NbQuestionParLivret\","
        " \"NbQuestionEssai1\", \"TempsTotalEssai1\", \"NbQuestionEssai2\", \"NbQuestionRéponse\""
        " FROM \"TCalkado\" WHERE \"DateHeure\" = ? ORDER BY \"Id\""), {dateHeure});
    if (probleme != ProblemeBase::Aucun)
        return {{}, probleme};
    Resultats resultats{};
    while (requete.next()) {
        const qlonglong i = requete.value(0).toLongLong() - PremierLivret;
        if (i < 0 || i >= NbLivrets)
            continue;   // no such table: the program never writes one
        ResultatLivret& r = resultats[std::size_t(i)];
        r.Multiplicateur1a12 = Entier(requete.value(1)) != 0;
        r.Aléatoire = Entier(requete.value(2));
        r.NbQuestionParLivret = Entier(requete.value(3));
        r.NbQuestionEssai1 = Entier(requete.value(4));
        r.TempsTotalEssai1 = Entier(requete.value(5));
        r.NbQuestionEssai2 = Entier(requete.value(6));
        r.NbQuestionRéponse = Entier(requete.value(7));
    }
    return {resultats, ProblemeBase::Aucun};
}

ProblemeBase SupprimerEntrainement(BaseDonnees& base, const QString& dateHeure)
{
    return base.Transaction([&](QSqlDatabase& connexion) {
        QSqlQuery requete(connexion);
        requete.prepare(QStringLiteral("DELETE FROM \"TCalkado\" WHERE \"DateHeure\" = ?"));
        requete.addBindValue(dateHeure);
        return requete.exec() ? ProblemeBase::Aucun : base.Probleme(requete.lastError());
    });
}
