// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Configuration.h"

#include "core/Textes.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>

namespace {

// A few lines of text: anything larger is not one of these files.
constexpr qint64 TailleMaximum = 64 * 1024;

const QString Section = QStringLiteral("serveur");

// The text of the file, or why it cannot be read.
bool LireTexte(const QString& fichier, QString& texte, QString& raison)
{
    if (!QFileInfo(fichier).isFile()) {
        raison = Textes::ConfigurationPasUnFichier;
        return false;
    }
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) {
        raison = Textes::ConfigurationIllisible;
        return false;
    }
    const QByteArray contenu = f.read(TailleMaximum + 1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    texte = utf8(contenu);
    if (contenu.size() > TailleMaximum || utf8.hasError())
        raison = Textes::ConfigurationPasUnTexte;
    return raison.isEmpty();
}

// One key of the section and its value into the configuration; false when
// the key is unknown or its value cannot be one.
bool Retenir(const QString& cle, const QString& valeur, ConfigurationServeur& c, QString& raison)
{
    if (cle == QLatin1String("service"))
        c.service = valeur;
    else if (cle == QLatin1String("hote"))
        c.hote = valeur;
    else if (cle == QLatin1String("base"))
        c.base = valeur;
    else if (cle == QLatin1String("port")) {
        bool nombre = false;
        c.port = valeur.toInt(&nombre);
        if (!nombre || c.port < 1 || c.port > 65535)
            raison = Textes::ConfigurationPort(valeur);
    }
    else
        raison = Textes::ConfigurationCleInconnue(cle);
    return raison.isEmpty();
}

// The lines of the file: comments (';' or '#'), the section [serveur], and
// its keys as "cle=valeur" (a value may be quoted). Anything else is refused,
// with the number of its line.
bool Analyser(const QString& texte, ConfigurationServeur& c, QString& raison)
{
    bool dansSection = false;
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lignes.size() && raison.isEmpty(); ++i) {
        const QString ligne = lignes.at(i).trimmed();
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char(';')) || ligne.startsWith(QLatin1Char('#')))
            continue;
        if (ligne.startsWith(QLatin1Char('[')) && ligne.endsWith(QLatin1Char(']'))) {
            dansSection = ligne.mid(1, ligne.size() - 2).trimmed() == Section;
            if (!dansSection)
                raison = Textes::ConfigurationSectionInconnue(ligne);
        } else if (egal <= 0 || !dansSection) {
            raison = Textes::ConfigurationLigneIncomprise(ligne);
        } else {
            QString valeur = ligne.mid(egal + 1).trimmed();
            if (valeur.size() > 1 && valeur.startsWith(QLatin1Char('"')) && valeur.endsWith(QLatin1Char('"')))
                valeur = valeur.mid(1, valeur.size() - 2);
            Retenir(ligne.left(egal).trimmed(), valeur, c, raison);
        }
        if (!raison.isEmpty())
            raison = Textes::ConfigurationLigne(int(i + 1), raison);
    }
    return raison.isEmpty();
}

// One file into the configuration; nothing when there is no file at that
// name (a link to nothing is a file that cannot be read).
void Lire(const QString& fichier, ConfigurationServeur& configuration)
{
    const QFileInfo info(fichier);
    if (!configuration.fichierIllisible.isEmpty() || (!info.exists() && !info.isSymLink()))
        return;
    QString texte, raison;
    if (LireTexte(fichier, texte, raison) && Analyser(texte, configuration, raison))
        return;
    configuration.fichierIllisible = fichier;
    configuration.raison = raison;
}

} // namespace

QString ConfigurationServeur::description() const
{
    if (!fichierIllisible.isEmpty())
        return fichierIllisible;
    if (!service.isEmpty())
        return QStringLiteral("service « %1 »").arg(service);
    QString texte = base.isEmpty() ? QStringLiteral("base par défaut") : base;
    if (!hote.isEmpty())
        texte += QStringLiteral(" sur ") + hote + (port > 0 ? QStringLiteral(":%1").arg(port) : QString());
    return texte;
}

ConfigurationServeur LireConfiguration()
{
    ConfigurationServeur configuration;
    Lire(qEnvironmentVariable("CALKADO_CONFIGURATION_SYSTEME", QStringLiteral("/etc/calkado/calkado.conf")),
         configuration);
    Lire(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/calkado/calkado.conf"),
         configuration);
    return configuration;
}
