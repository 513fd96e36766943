// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Schema.h"

#include "core/storage/Connexion.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace {

bool Echec(QString* erreur, const QString& raison)
{
    if (erreur)
        *erreur = raison;
    return false;
}

// "PRAGMA user_version = 3" ends the section that brings a store to version 3.
int VersionDeFin(const QString& instruction)
{
    static const QRegularExpression pragma(QStringLiteral(R"(^PRAGMA\s+user_version\s*=\s*(\d+)$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch trouve = pragma.match(instruction);
    return trouve.hasMatch() ? trouve.captured(1).toInt() : -1;
}

// The statements of a schema, comments left out.
QStringList Instructions(const QString& schema)
{
    QStringList instructions;
    QString courante;
    for (const QString& ligne : schema.split(QLatin1Char('\n'))) {
        const qsizetype commentaire = ligne.indexOf(QStringLiteral("--"));
        const QString texte = (commentaire < 0 ? ligne : ligne.left(commentaire)).trimmed();
        if (texte.isEmpty())
            continue;
        courante += (courante.isEmpty() ? QString() : QStringLiteral("\n")) + texte;
        if (texte.endsWith(QLatin1Char(';'))) {
            courante.chop(1);
            instructions << courante;
            courante.clear();
        }
    }
    if (!courante.isEmpty())
        instructions << courante;
    return instructions;
}

} // namespace

QStringList InstructionsSchema(const QString& schema, int depuis)
{
    QStringList retenues, section;
    for (const QString& instruction : Instructions(schema)) {
        section << instruction;
        if (const int version = VersionDeFin(instruction); version >= 0) {
            if (version > depuis)
                retenues += section;
            section.clear();
        }
    }
    return retenues + section;
}

int VersionSchema(const QString& schema)
{
    int version = 0;
    for (const QString& instruction : Instructions(schema))
        version = std::max(version, VersionDeFin(instruction));
    return version;
}

bool CreerBase(const QString& schema, const QString& fichier, QString* erreur)
{
    QFile source(schema);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return Echec(erreur, schema + QStringLiteral(" : ") + source.errorString());
    const QStringList instructions = InstructionsSchema(QString::fromUtf8(source.readAll()));
    if (QFileInfo::exists(fichier))
        return Echec(erreur, fichier + QStringLiteral(" existe déjà"));

    // Made under another name, then renamed: the store appears whole or not at all.
    const QString provisoire = fichier + QStringLiteral(".nouveau");
    QFile::remove(provisoire);
    const QString nom = QStringLiteral("CreerBase:") + fichier;
    QString probleme;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
        base.setDatabaseName(provisoire);
        if (!base.open())
            probleme = base.lastError().text();
        for (const QString& instruction : instructions) {
            QSqlQuery requete(base);
            if (probleme.isEmpty() && !requete.exec(instruction))
                probleme = requete.lastError().text();
        }
        base.close();
    }
    QSqlDatabase::removeDatabase(nom);
    if (probleme.isEmpty() && !QFile::rename(provisoire, fichier))
        probleme = fichier + QStringLiteral(" : impossible de créer le fichier");
    if (!probleme.isEmpty()) {
        QFile::remove(provisoire);
        return Echec(erreur, probleme);
    }
    return true;
}

const QString& SchemaProgramme()
{
    static const QString schema = [] {
        QFile fichier(QStringLiteral(":/CalkadoVa.sql"));
        return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QString();
    }();
    return schema;
}

ProblemeBase MettreAJour(QSqlDatabase& base, const Connexion& connexion)
{
    const std::optional<int> version = connexion.Version(base);
    if (!version || *version >= VersionSchema(SchemaProgramme()))
        return ProblemeBase::Aucun;
    return connexion.Appliquer(base, InstructionsSchema(SchemaProgramme(), *version));
}
