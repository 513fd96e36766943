// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The one connection that every part of the results store shares: the file
// of the child who trains or the school's server, as the configuration says,
// checked and brought up to date as it opens; whether the store keeps the
// facts; the statement that reads the user's own rows or a pupil's; a fault
// told in words.
#pragma once

#include "core/storage/Configuration.h"
#include "core/storage/Connexion.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <memory>

// A statement with its values, in the order of its marks.
struct Requete
{
    QString sql;
    QVariantList valeurs;
};

class BaseResultats
{
public:
    // The connection's name is Qt's. A store made before the facts were kept
    // is brought up to date as it is opened, unless told otherwise (a window
    // that only reads).
    BaseResultats(const QString& nomConnexion, bool mettreAJour);
    ~BaseResultats();
    BaseResultats(const BaseResultats&) = delete;
    BaseResultats& operator=(const BaseResultats&) = delete;

    Connexion& connexion() { return *lien; }
    const Connexion& connexion() const { return *lien; }
    bool serveur() const { return lien->serveur(); }
    // The store keeps the facts: known once it is open.
    bool faits() const { return avecFaits; }
    // The file keeps a copy of the memory of the pairs: known once it is
    // open. The school's server keeps none.
    bool memoire() const { return avecMemoire; }
    // A save wrote its facts, so the store keeps them now.
    void FaitsEcrits() { avecFaits = true; }

    // The statement for the user's own rows or, a name given, for that
    // pupil's on the school's server, wherever %1 stands; each part of the
    // values follows one %1, after the pupil's name when there is one.
    Requete PourEleve(const QString& sql, const QList<QVariantList>& parties = {{}}, const QString& eleve = {}) const;
    ProblemeBase Executer(QSqlQuery& requete, const Requete& lecture);

    // What went wrong with the results file or server, then what it means
    // for what was being done; empty when nothing went wrong.
    QString Expliquer(ProblemeBase probleme, const QString& consequence) const;

private:
    ProblemeBase Verifier(QSqlDatabase& base);
    // The table has its key and every column a save writes, and none that a
    // save would leave without a value.
    ProblemeBase VerifierTable(QSqlDatabase& base, const QString& table, const QStringList& colonnes,
                               const QStringList& cle) const;

    ConfigurationServeur configuration;
    std::unique_ptr<Connexion> lien;
    bool mettreAJour;
    bool avecFaits = false;
    bool avecMemoire = false;
};
