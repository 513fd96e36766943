// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables of the results store and their columns, each name written here
// once: the statements are written with them, and rows are read by them.
#pragma once

#include <QString>
#include <QStringList>

// The saved trainings: one row per table worked on, the rows of one saved
// training sharing their date and time ("yyyy-MM-dd HH:mm:ss").
namespace TCalkado {
inline const QString Nom = QStringLiteral("TCalkado");
inline const QString DateHeure = QStringLiteral("DateHeure");
inline const QString Multiplicateur1a12 = QStringLiteral("Multiplicateur1a12");
inline const QString Aléatoire = QStringLiteral("Aléatoire");
inline const QString NumLivret = QStringLiteral("NumLivret");
inline const QString NbQuestionParLivret = QStringLiteral("NbQuestionParLivret");
inline const QString NbQuestionEssai1 = QStringLiteral("NbQuestionEssai1");
inline const QString TempsTotalEssai1 = QStringLiteral("TempsTotalEssai1");
inline const QString NbQuestionEssai2 = QStringLiteral("NbQuestionEssai2");
inline const QString NbQuestionRéponse = QStringLiteral("NbQuestionRéponse");
// The counts of a table, as a save writes them and a class's sums add them up.
inline const QStringList Comptes = {NbQuestionParLivret, NbQuestionEssai1, TempsTotalEssai1, NbQuestionEssai2,
                                    NbQuestionRéponse};
// One table's record of a saved training: its table, its options, its counts.
inline const QStringList Enregistrement = QStringList{NumLivret, Multiplicateur1a12, Aléatoire} + Comptes;
// The columns a save writes, in order.
inline const QStringList Colonnes = QStringList{DateHeure, Multiplicateur1a12, Aléatoire, NumLivret} + Comptes;
} // namespace TCalkado

// The questions settled in the saved trainings, in the order of settling.
namespace TFait {
inline const QString Nom = QStringLiteral("TFait");
inline const QString DateHeure = QStringLiteral("DateHeure");
inline const QString NumLivret = QStringLiteral("NumLivret");
inline const QString Multiplicateur = QStringLiteral("Multiplicateur");
inline const QString Issue = QStringLiteral("Issue");
inline const QString NbEssais = QStringLiteral("NbEssais");
inline const QString Dixiemes = QStringLiteral("Dixiemes");
// The columns a save writes, in order.
inline const QStringList Colonnes = {DateHeure, NumLivret, Multiplicateur, Issue, NbEssais, Dixiemes};
} // namespace TFait

// The copy of the memory of the pairs of facts, replayed from TFait: one
// row at most.
namespace TMemoire {
inline const QString Nom = QStringLiteral("TMemoire");
inline const QString Cle = QStringLiteral("Cle");
inline const QString Version = QStringLiteral("Version");
inline const QString DernierFait = QStringLiteral("DernierFait");
inline const QString Etat = QStringLiteral("Etat");
inline const QStringList Colonnes = {Cle, Version, DernierFait, Etat};
} // namespace TMemoire

// The key of both tables, which keeps the order rows were added in.
inline const QString ColonneId = QStringLiteral("Id");

// The columns named, quoted, as a statement lists them: `"NumLivret",
// "Aléatoire"`; of the table's alias when one is given, each under its own
// name in the result: `r."NumLivret" AS "NumLivret"`.
QString ListeSql(const QStringList& colonnes, const QString& alias = {});
