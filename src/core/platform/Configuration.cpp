// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Configuration.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

void Lire(const QString& fichier, ConfigurationServeur& configuration)
{
    QSettings reglages(fichier, QSettings::IniFormat);
    reglages.beginGroup(QStringLiteral("serveur"));
    configuration.service = reglages.value(QStringLiteral("service"), configuration.service).toString();
    configuration.hote = reglages.value(QStringLiteral("hote"), configuration.hote).toString();
    configuration.port = reglages.value(QStringLiteral("port"), configuration.port).toInt();
    configuration.base = reglages.value(QStringLiteral("base"), configuration.base).toString();
}

} // namespace

QString ConfigurationServeur::description() const
{
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
    Lire(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
             + QStringLiteral("/calkado/calkado.conf"),
         configuration);
    return configuration;
}
