// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The children who share the account, each with their own results file: the
// list CalkadoEnfants.json of the working folder, written whole in one step,
// so that a crash leaves the old list or the new one. A child removed leaves
// the list, not the disk: their file goes into the folder enfants-retires/,
// from which they come back when the family adds them again under the same
// name. A list that cannot be read is reported, and never written over.
#pragma once

#include "Enfant.h"

#include <QDir>
#include <QList>
#include <optional>

inline constexpr int NbEnfantsMax = 9;

class Famille
{
public:
    // The list of that folder, the working folder by default.
    explicit Famille(const QString& dossier = QString());

    // Reads the list again. Empty when it was read, or when there is none (a
    // family that names nobody); otherwise what to tell the family.
    QString Lire();
    const QList<Enfant>& enfants() const { return liste; }
    QStringList noms() const;
    // The child of that name, up to case and accents.
    std::optional<Enfant> Trouver(const QString& nom) const;
    std::optional<Enfant> Numero(int numero) const;
    // Whether a child removed under that name has their results kept.
    bool Retire(const QString& nom) const;

    // The changes. Each reads the list again, changes the files, then writes
    // the list; empty when done, otherwise why, and nothing has changed.
    // The first child takes the account's file as it is; the others get a
    // new empty one.
    QString Ajouter(const QString& nom);
    // The child removed last under that name, with their results.
    QString Reprendre(const QString& nom);
    QString Renommer(int numero, const QString& nom);
    QString Retirer(int numero);

    static const QString NomListe;
    static const QString DossierRetires;

private:
    struct EnfantRetire
    {
        QString nom;
        QString fichier;   // in DossierRetires
    };

    QString Chemin(const QString& fichier) const;
    QString LireListe(const QByteArray& contenu);
    // On failure the list is read again, as it still is on the disk.
    QString Ecrire();
    QString Refus(const QString& nom, int sauf) const;
    int NumeroLibre() const;
    QString PlaceRetrait(int numero) const;
    // Where a removed child's results are: in DossierRetires, or still in
    // their own file when the program stopped before moving it. Empty when
    // neither is there.
    QString Garde(const EnfantRetire& retire) const;
    qsizetype DernierRetrait(const QString& nom) const;

    QDir dossier;
    QList<Enfant> liste;
    QList<EnfantRetire> retires;
};
