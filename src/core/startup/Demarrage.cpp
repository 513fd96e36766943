// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Demarrage.h"

#include "core/Textes.h"

#include <cmath>

QString VersionProgramme(const VersionFichier& version)
{
    return QString::number(version.majeur) + QLatin1Char('.') + QString::number(version.mineur)
         + QString::number(version.revision);
}

QString TitreFenetre(const QString& versionProgramme)
{
    return Textes::DebutTitreFenetre + versionProgramme + Textes::SeparateurTitre
         + Textes::MentionDroits;
}

int TailleEcran(int largeur, int hauteur)
{
    if (largeur < 1024 || hauteur < 768)
        return 0;
    if (largeur <= 1024 || hauteur <= 768)
        return 1;
    return 2;
}

bool TailleTexteNormale(int dpiLogique)
{
    return dpiLogique == 96;
}

bool CouleursSuffisantes(int plans, int bitsParPixel)
{
    const qint64 bits = qint64(plans) * bitsParPixel;
    return std::pow(2.0, double(bits)) >= 65536.0;
}

std::optional<QString> PreparerTitre()
{
    const QString chemin = RepertoireCourant() + Textes::NomFichierProgramme;
    if (!FichierExiste(chemin))
        return std::nullopt;
    return TitreFenetre(VersionProgramme(LireVersionFichier(chemin)));
}

std::optional<AvisDemarrage> VerifierAffichage(const MesuresEcran& ecran)
{
    switch (TailleEcran(ecran.largeur, ecran.hauteur)) {
    case 0:
        return AvisDemarrage{Textes::MessageResolutionInsuffisante, true, true};
    case 1:
        if (!TailleTexteNormale(ecran.dpiLogique))
            return AvisDemarrage{Textes::MessageTailleTexteObligatoire, true, true};
        return std::nullopt;
    default:
        if (!TailleTexteNormale(ecran.dpiLogique))
            return AvisDemarrage{Textes::MessageTailleTexteConseillee, false, false};
        return std::nullopt;
    }
}

std::optional<AvisDemarrage> VerifierCouleurs(const MesuresEcran& ecran)
{
    if (CouleursSuffisantes(ecran.plans, ecran.bitsParPixel))
        return std::nullopt;
    return AvisDemarrage{Textes::MessageCouleurs, false, false};
}
