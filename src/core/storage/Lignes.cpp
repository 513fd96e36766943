// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lignes.h"

#include "core/results/DateHeure.h"
#include "core/storage/Tables.h"

#include <QSqlRecord>
#include <QVariant>
#include <algorithm>
#include <limits>

qint32 Entier(const QVariant& valeur)
{
    return static_cast<qint32>(std::clamp<qlonglong>(valeur.toLongLong(), std::numeric_limits<qint32>::min(),
                                                     std::numeric_limits<qint32>::max()));
}

int Position(const QSqlQuery& requete, const QString& colonne)
{
    return requete.record().indexOf(colonne);
}

LecteurEnregistrement::LecteurEnregistrement(const QSqlQuery& requete)
{
    const QSqlRecord colonnes = requete.record();
    livret = colonnes.indexOf(TCalkado::NumLivret);
    multiplicateur1a12 = colonnes.indexOf(TCalkado::Multiplicateur1a12);
    aleatoire = colonnes.indexOf(TCalkado::Aléatoire);
    questions = colonnes.indexOf(TCalkado::NbQuestionParLivret);
    essai1 = colonnes.indexOf(TCalkado::NbQuestionEssai1);
    temps = colonnes.indexOf(TCalkado::TempsTotalEssai1);
    essai2 = colonnes.indexOf(TCalkado::NbQuestionEssai2);
    reponse = colonnes.indexOf(TCalkado::NbQuestionRéponse);
}

void LecteurEnregistrement::Lire(const QSqlQuery& requete, Resultats& resultats) const
{
    const qlonglong i = requete.value(livret).toLongLong() - PremierLivret;
    if (requete.isNull(livret) || i < 0 || i >= NbLivrets)
        return;
    ResultatLivret& r = resultats[std::size_t(i)];
    r.Multiplicateur1a12 = Entier(requete.value(multiplicateur1a12)) != 0;
    r.Aléatoire = Entier(requete.value(aleatoire));
    r.NbQuestionParLivret = Entier(requete.value(questions));
    r.NbQuestionEssai1 = Entier(requete.value(essai1));
    r.TempsTotalEssai1 = Entier(requete.value(temps));
    r.NbQuestionEssai2 = Entier(requete.value(essai2));
    r.NbQuestionRéponse = Entier(requete.value(reponse));
}

LecteurReglement::LecteurReglement(const QSqlQuery& requete)
{
    const QSqlRecord colonnes = requete.record();
    date = colonnes.indexOf(TFait::DateHeure);
    issue = colonnes.indexOf(TFait::Issue);
    dixiemes = colonnes.indexOf(TFait::Dixiemes);
}

Reglement LecteurReglement::Lire(const QSqlQuery& requete) const
{
    return {LireTexteBase(requete.value(date).toString()).date(), Issue(requete.value(issue).toInt()),
            Entier(requete.value(dixiemes))};
}

QList<PointProgression> LirePoints(QSqlQuery& requete, int livret)
{
    const LecteurEnregistrement lecteur(requete);
    const int id = Position(requete, ColonneId), date = Position(requete, TCalkado::DateHeure),
              choisi = Position(requete, ColonneChoisi);
    QList<PointProgression> points;
    qlonglong entrainement = 0;
    PointProgression point;
    Resultats resultats{};
    const auto finir = [&] {
        if (entrainement != 0)
            points.append(PointDe(point.dateHeure, resultats, livret, point.choisi));
    };
    while (requete.next()) {
        if (requete.value(id).toLongLong() != entrainement) {
            finir();
            entrainement = requete.value(id).toLongLong();
            point.dateHeure = requete.value(date).toString();
            point.choisi = choisi >= 0 && requete.value(choisi).toInt() != 0;
            RazResultats(resultats);
        }
        lecteur.Lire(requete, resultats);
    }
    finir();
    return points;
}
