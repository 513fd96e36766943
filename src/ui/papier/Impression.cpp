// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Impression.h"

#include "Document.h"
#include "Papier.h"
#include "core/Textes.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// The preview on the printer chosen, under Qt's own title, which may print
// from there: it draws the pages on its own printer first, then on the real one.
IssueImpression Apercu(QWidget* parent, QPrinter& imprimante, const Document& document)
{
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setObjectName(QStringLiteral("D_Apercu"));
    bool reussi = true;
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&](QPrinter* support) { reussi = document.Imprimer(*support); });
    if (apercu.exec() != QDialog::Accepted)
        return IssueImpression::Annule;
    return reussi ? IssueImpression::Imprime : IssueImpression::Echec;
}

// A button to the preview beside the dialog's own: it accepts the dialog, so
// that the printer chosen is the one previewed, and says so.
void AjouterApercu(QPrintDialog& dialogue, bool& apercu)
{
    auto* boutons = dialogue.findChild<QDialogButtonBox*>();
    if (!boutons)
        return;
    QPushButton* bouton = boutons->addButton(Textes::Apercu, QDialogButtonBox::ActionRole);
    bouton->setObjectName(QStringLiteral("B_Apercu"));
    bouton->setAccessibleName(Textes::NomApercu);
    bouton->setAutoDefault(false);
    QObject::connect(bouton, &QPushButton::clicked, &dialogue, [&dialogue, &apercu] {
        apercu = true;
        dialogue.accept();
    });
}

// Without a printer, and after a PDF file, a PDF file is proposed, named
// after the document, in the folder chosen last (the documents' at first).
void ProposerFichier(QPrinter& imprimante, const Document& document)
{
    if (imprimante.outputFormat() != QPrinter::PdfFormat && !QPrinterInfo::availablePrinters().isEmpty())
        return;
    const QString dossier = imprimante.outputFileName().isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QFileInfo(imprimante.outputFileName()).absolutePath();
    imprimante.setOutputFileName(QDir(dossier).filePath(document.nom() + QStringLiteral(".pdf")));
}

} // namespace

std::unique_ptr<QPrinter> NouvelleImprimante()
{
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setPageLayout(Papier::MiseEnPage(QPageLayout::Portrait));
    imprimante->setCreator(Textes::TitreApplication);
    return imprimante;
}

IssueImpression ImprimerDocument(QWidget* parent, QPrinter& imprimante, const Document& document,
                                 const QString& titre)
{
    imprimante.setPageOrientation(document.orientation());
    imprimante.setDocName(document.nom());
    ProposerFichier(imprimante, document);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setObjectName(QStringLiteral("D_Imprimer"));
    dialogue.setWindowTitle(titre);
    // The pages are few and go together: no page range, no selection.
    dialogue.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                        | QAbstractPrintDialog::PrintShowPageSize);
    bool apercu = false;
    AjouterApercu(dialogue, apercu);
    if (dialogue.exec() != QDialog::Accepted)
        return IssueImpression::Annule;
    if (apercu)
        return Apercu(parent, imprimante, document);
    return document.Imprimer(imprimante) ? IssueImpression::Imprime : IssueImpression::Echec;
}
