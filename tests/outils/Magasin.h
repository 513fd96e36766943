// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The results file of the working folder seen from outside the program,
// through a connection of the test's own, as another program would see it:
// its rows read and written as they are, faults made on purpose.
#pragma once

#include "core/memory/MemoirePaires.h"
#include "core/training/Fait.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace Magasin {
inline const QString Fichier = QStringLiteral("CalkadoVa.sqlite");
// The tests run against the school's server (tests/ecole.sh): the program is
// told so by the configuration of the working folder, and the helpers below
// reach the server as the test's pupil, the file name given ignored.
bool SurServeur();
// Every row, in the order added: "DateHeure|Multiplicateur1a12|Aléatoire|NumLivret|
// NbQuestionParLivret|NbQuestionEssai1|TempsTotalEssai1|NbQuestionEssai2|NbQuestionRéponse".
QStringList lignes(const QString& fichier = Fichier);
// Every fact, in the order added: "DateHeure|NumLivret|Multiplicateur|Issue|NbEssais|Dixiemes".
QStringList faits(const QString& fichier = Fichier);
// The facts of the saved training of that date and time, in the order added.
QList<Fait> faitsDe(const QString& dateHeure, const QString& fichier = Fichier);
// The memory of the pairs that every fact, in the order added, makes: as
// « Du jour » should read it, whatever the file keeps.
MemoirePaires memoire(const QString& fichier = Fichier);
// Runs statements in order; fails the program on any error. "%T" stands for
// the table of the saved trainings, "%F" for that of their facts.
void executer(const QStringList& sql, const QString& fichier = Fichier);
// Deletes every row and fact: on the server, the pupil's own, as its
// administrator (a pupil deletes through the server's function only).
void vider(const QString& fichier = Fichier);
// Adds one row, values in the order of lignes(): "2026-03-14 10:00:00|1|1|7|3|2|45|1|0".
void ajouter(const QString& ligne, const QString& fichier = Fichier);
// Adds rows of values in the order of lignes(), or facts in the order of
// faits(), in one transaction.
void ajouter(const QList<QVariantList>& lignes, const QString& fichier = Fichier);
void ajouterFaits(const QList<QVariantList>& faits, const QString& fichier = Fichier);
// Fills the store until one more row needs a new page (with rows dated
// "2000-01-01 00:00:00"), then caps the pages that the connection named may
// use at what the file holds: its next row is refused as on a full disk.
void remplir(const QString& connexion, const QString& fichier = Fichier);
// Makes the file impossible to write, even for root (immutable flag where the
// file system has it), or writable again. False when it cannot be done here.
bool proteger(const QString& fichier, bool protege);
} // namespace Magasin
