// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A document printed from a window: Qt's print dialog, where a PDF file is
// one of the printers, with a button to the preview beside « Imprimer »; the
// preview prints as well. The printer keeps what the user chose from one
// document to the next while its window lives.
#pragma once

#include <QString>
#include <memory>

class Document;
class QPrinter;
class QWidget;

enum class IssueImpression { Imprime, Annule, Echec };

// A4 with the pages' margins, in the printer's best resolution.
std::unique_ptr<QPrinter> NouvelleImprimante();

// Asks where and how to print, under the title given, then prints; the
// preview when the user asks for it. A failure is for the caller to tell.
IssueImpression ImprimerDocument(QWidget* parent, QPrinter& imprimante, const Document& document,
                                 const QString& titre);
