// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Famille.h"

#include "Prenom.h"
#include "core/Textes.h"
#include "core/storage/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

const QString Famille::NomListe = Textes::NomFichierListeEnfants;
const QString Famille::DossierRetires = QStringLiteral("enfants-retires");

namespace {

// A list is a few hundred bytes; anything much larger is not one.
constexpr qint64 TailleMaxListe = 1 << 20;
constexpr int NumeroMax = 999999;

// What SQLite may keep beside a file between two uses: it goes where the file goes.
const QStringList Compagnons = {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                                QStringLiteral("-shm")};

bool Present(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.exists() || info.isSymLink();
}

// Moves a results file with what SQLite keeps beside it, all of it or none.
bool Deplacer(const QString& depuis, const QString& vers)
{
    QStringList faits;
    for (const QString& suffixe : Compagnons) {
        if (!Present(depuis + suffixe))
            continue;
        if (Present(vers + suffixe) || !QFile::rename(depuis + suffixe, vers + suffixe)) {
            for (const QString& fait : std::as_const(faits))
                QFile::rename(vers + fait, depuis + fait);
            return false;
        }
        faits << suffixe;
    }
    return true;
}

// A removed child's file, named by the program: enfants-retires/CalkadoVa-3.sqlite,
// or CalkadoVa-3-2.sqlite when a child of that number was removed before.
const QRegularExpression& FormeRetrait()
{
    static const QRegularExpression forme(QStringLiteral(R"(^enfants-retires/CalkadoVa-([1-9]\d{0,5})(-[1-9]\d{0,5})?\.sqlite$)"));
    return forme;
}

// The number the child had when they were removed.
int NumeroRetire(const QString& fichier)
{
    return FormeRetrait().match(fichier).captured(1).toInt();
}

std::optional<int> LireNumero(const QJsonValue& valeur)
{
    const double n = valeur.toDouble(-1);
    if (!valeur.isDouble() || n < 1 || n > NumeroMax || n != int(n))
        return std::nullopt;
    return int(n);
}

} // namespace

Famille::Famille(const QString& dossier_)
    : dossier(dossier_.isEmpty() ? QDir::current() : QDir(dossier_))
{
}

QString Famille::Chemin(const QString& fichier) const
{
    return dossier.filePath(fichier);
}

QStringList Famille::noms() const
{
    QStringList noms;
    for (const Enfant& enfant : liste)
        noms << enfant.nom;
    return noms;
}

std::optional<Enfant> Famille::Trouver(const QString& nom) const
{
    for (const Enfant& enfant : liste)
        if (ClePrenom(enfant.nom) == ClePrenom(nom))
            return enfant;
    return std::nullopt;
}

std::optional<Enfant> Famille::Numero(int numero) const
{
    for (const Enfant& enfant : liste)
        if (enfant.numero == numero)
            return enfant;
    return std::nullopt;
}

QString Famille::Lire()
{
    liste.clear();
    retires.clear();
    const QString chemin = Chemin(NomListe);
    if (!Present(chemin))
        return {};
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return Textes::ListeIllisible(NomListe);
    if (fichier.size() > TailleMaxListe)
        return Textes::ListeAbimee(NomListe);
    const QString probleme = LireListe(fichier.readAll());
    if (!probleme.isEmpty()) {
        liste.clear();
        retires.clear();
    }
    return probleme;
}

// Every child with a name that the rules let in, once, and a number of their
// own; every removed child's file where the program puts them.
QString Famille::LireListe(const QByteArray& contenu)
{
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(contenu, &erreur);
    const QString abimee = Textes::ListeAbimee(NomListe);
    if (erreur.error != QJsonParseError::NoError || !document.isObject())
        return abimee;
    for (const QJsonValue valeur : document.object().value(QStringLiteral("enfants")).toArray()) {
        const QString nom = valeur[QStringLiteral("prenom")].toString();
        const std::optional<int> numero = LireNumero(valeur[QStringLiteral("numero")]);
        if (!numero || nom != PrenomNettoye(nom) || !RefusPrenom(nom, noms()).isEmpty() || Numero(*numero))
            return abimee;
        liste << Enfant{nom, *numero};
    }
    for (const QJsonValue valeur : document.object().value(QStringLiteral("retires")).toArray()) {
        const EnfantRetire retire{valeur[QStringLiteral("prenom")].toString(), valeur[QStringLiteral("fichier")].toString()};
        if (!RefusPrenom(retire.nom, {}).isEmpty() || !FormeRetrait().match(retire.fichier).hasMatch())
            return abimee;
        retires << retire;
    }
    return liste.size() > NbEnfantsMax ? abimee : QString();
}

QString Famille::Ecrire()
{
    QJsonArray enfants, partis;
    for (const Enfant& enfant : liste)
        enfants << QJsonObject{{QStringLiteral("prenom"), enfant.nom}, {QStringLiteral("numero"), enfant.numero}};
    for (const EnfantRetire& retire : retires)
        partis << QJsonObject{{QStringLiteral("prenom"), retire.nom}, {QStringLiteral("fichier"), retire.fichier}};
    const QJsonObject racine{{QStringLiteral("enfants"), enfants}, {QStringLiteral("retires"), partis}};
    // Written beside the list, then put in its place.
    QSaveFile fichier(Chemin(NomListe));
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(QJsonDocument(racine).toJson()) >= 0 && fichier.commit())
        return {};
    Lire();
    return Textes::ListeNonEcrite(NomListe);
}

QString Famille::Refus(const QString& nom, int sauf) const
{
    QStringList autres;
    for (const Enfant& enfant : liste)
        if (enfant.numero != sauf)
            autres << enfant.nom;
    return RefusPrenom(nom, autres);
}

// One more than any number given, removed children's too, past any file
// left at that name.
int Famille::NumeroLibre() const
{
    if (liste.isEmpty())
        return 1;
    int numero = 1;
    for (const Enfant& enfant : liste)
        numero = std::max(numero, enfant.numero);
    for (const EnfantRetire& retire : retires)
        numero = std::max(numero, NumeroRetire(retire.fichier));
    do
        ++numero;
    while (Present(Chemin(Enfant{{}, numero}.fichier())));
    return numero;
}

QString Famille::PlaceRetrait(int numero) const
{
    QString fichier = DossierRetires + QStringLiteral("/CalkadoVa-%1.sqlite").arg(numero);
    for (int fois = 2; Present(Chemin(fichier)); ++fois)
        fichier = DossierRetires + QStringLiteral("/CalkadoVa-%1-%2.sqlite").arg(numero).arg(fois);
    return fichier;
}

QString Famille::Garde(const EnfantRetire& retire) const
{
    if (Present(Chemin(retire.fichier)))
        return Chemin(retire.fichier);
    const int numero = NumeroRetire(retire.fichier);
    const QString propre = Chemin(Enfant{{}, numero}.fichier());
    return !Numero(numero) && Present(propre) ? propre : QString();
}

qsizetype Famille::DernierRetrait(const QString& nom) const
{
    for (qsizetype i = retires.size() - 1; i >= 0; --i)
        if (ClePrenom(retires[i].nom) == ClePrenom(nom) && !Garde(retires[i]).isEmpty())
            return i;
    return -1;
}

bool Famille::Retire(const QString& nom) const
{
    return DernierRetrait(nom) >= 0;
}

QString Famille::Ajouter(const QString& nom)
{
    if (QString probleme = Lire(); !probleme.isEmpty())
        return probleme;
    if (liste.size() >= NbEnfantsMax)
        return Textes::TropDEnfants(NbEnfantsMax);
    if (QString refus = Refus(nom, 0); !refus.isEmpty())
        return refus;
    const Enfant enfant{PrenomNettoye(nom), NumeroLibre()};
    // The account's file is the first child's as it is: nothing made, nothing copied.
    const bool nouveau = enfant.numero > 1;
    if (nouveau && !CreerBase(QStringLiteral(":/CalkadoVa.sql"), Chemin(enfant.fichier())))
        return Textes::FichierEnfantNonCree(enfant.nom);
    liste << enfant;
    const QString probleme = Ecrire();
    if (!probleme.isEmpty() && nouveau)
        QFile::remove(Chemin(enfant.fichier()));   // the empty file just made
    return probleme;
}

QString Famille::Reprendre(const QString& nom)
{
    if (QString probleme = Lire(); !probleme.isEmpty())
        return probleme;
    const qsizetype retrait = DernierRetrait(nom);
    if (retrait < 0)
        return Textes::RetraitIntrouvable(PrenomNettoye(nom), DossierRetires);
    if (liste.size() >= NbEnfantsMax)
        return Textes::TropDEnfants(NbEnfantsMax);
    if (QString refus = Refus(nom, 0); !refus.isEmpty())
        return refus;
    // Back under their own number when it is free: a stop before the list
    // is written leaves the file where a later try finds it.
    const QString depuis = Garde(retires[retrait]);
    Enfant enfant{PrenomNettoye(nom), NumeroRetire(retires[retrait].fichier)};
    if (Numero(enfant.numero) || (Present(Chemin(enfant.fichier())) && Chemin(enfant.fichier()) != depuis))
        enfant.numero = NumeroLibre();
    const QString vers = Chemin(enfant.fichier());
    if (depuis != vers && !Deplacer(depuis, vers))
        return Textes::FichierEnfantNonRepris(enfant.nom, DossierRetires);
    liste << enfant;
    retires.removeAt(retrait);
    const QString probleme = Ecrire();
    if (!probleme.isEmpty() && depuis != vers)
        Deplacer(vers, depuis);
    return probleme;
}

QString Famille::Renommer(int numero, const QString& nom)
{
    if (QString probleme = Lire(); !probleme.isEmpty())
        return probleme;
    const auto enfant = std::find_if(liste.begin(), liste.end(), [numero](const Enfant& e) { return e.numero == numero; });
    if (enfant == liste.end())
        return Textes::EnfantDisparu;
    if (QString refus = Refus(nom, numero); !refus.isEmpty())
        return refus;
    enfant->nom = PrenomNettoye(nom);
    return Ecrire();
}

QString Famille::Retirer(int numero)
{
    if (QString probleme = Lire(); !probleme.isEmpty())
        return probleme;
    const std::optional<Enfant> enfant = Numero(numero);
    if (!enfant)
        return Textes::EnfantDisparu;
    if (liste.size() < 2)
        return Textes::DernierEnfant(enfant->nom);
    const QList<Enfant> avant = liste;
    const QString depuis = Chemin(enfant->fichier()), place = PlaceRetrait(numero), vers = Chemin(place);
    // A file that is not there has nothing to keep. The list first: a stop
    // before the file is moved leaves it where Garde finds it.
    const bool garde = Present(depuis);
    liste.removeIf([numero](const Enfant& e) { return e.numero == numero; });
    if (garde)
        retires << EnfantRetire{enfant->nom, place};
    if (QString probleme = Ecrire(); !probleme.isEmpty())
        return probleme;
    if (!garde || (dossier.mkpath(DossierRetires) && Deplacer(depuis, vers)))
        return {};
    liste = avant;
    retires.removeLast();
    Ecrire();
    return Textes::FichierEnfantNonRetire(enfant->nom, DossierRetires);
}
