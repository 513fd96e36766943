// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Compte.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

QString NomAffiche(const QString& gecos, const QString& login)
{
    QString nom = gecos.section(QLatin1Char(','), 0, 0).trimmed();
    if (nom.contains(QLatin1Char('&')) && !login.isEmpty())
        nom.replace(QLatin1Char('&'), login.left(1).toUpper() + login.mid(1));
    return nom.isEmpty() ? login : nom;
}

QString NomDuCompte()
{
#ifdef Q_OS_UNIX
    // The entry of the real user, read into a buffer of our own (getpwuid's
    // is shared with every other caller).
    long taille = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> tampon(std::size_t(taille > 0 ? taille : 16384));
    passwd entree{};
    passwd* trouve = nullptr;
    if (getpwuid_r(getuid(), &entree, tampon.data(), tampon.size(), &trouve) == 0 && trouve)
        return NomAffiche(QString::fromLocal8Bit(trouve->pw_gecos), QString::fromLocal8Bit(trouve->pw_name));
#endif
    return NomAffiche({}, qEnvironmentVariable(qEnvironmentVariableIsSet("USER") ? "USER" : "USERNAME"));
}
