#include "Demarrage.h"

#include "Textes.h"
#include "platform/BoiteMessage.h"

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

std::optional<QString> PreparerTitre(QWidget* parent)
{
    const QString chemin = RepertoireCourant() + Textes::NomFichierProgramme;
    if (!FichierExiste(chemin)) {
        AfficherMessage(parent, {QMessageBox::Critical, Textes::TitreFinProgramme,
                                 Textes::MessageFichierAbsent(Textes::NomFichierProgramme)});
        return std::nullopt;
    }
    return TitreFenetre(VersionProgramme(LireVersionFichier(chemin)));
}

bool VerifierAffichage(QWidget* parent, const MesuresEcran& ecran)
{
    switch (TailleEcran(ecran.largeur, ecran.hauteur)) {
    case 0:
        AfficherMessage(parent, {QMessageBox::Critical, {}, Textes::MessageResolutionInsuffisante});
        return false;
    case 1:
        if (!TailleTexteNormale(ecran.dpiLogique)) {
            AfficherMessage(parent, {QMessageBox::Critical, {}, Textes::MessageTailleTexteObligatoire});
            return false;
        }
        return true;
    default:
        if (!TailleTexteNormale(ecran.dpiLogique))
            AfficherMessage(parent, {QMessageBox::Information, {}, Textes::MessageTailleTexteConseillee});
        return true;
    }
}

void VerifierCouleurs(QWidget* parent, const MesuresEcran& ecran)
{
    if (!CouleursSuffisantes(ecran.plans, ecran.bitsParPixel))
        AfficherMessage(parent, {QMessageBox::Information, {}, Textes::MessageCouleurs});
}
