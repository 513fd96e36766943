// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A document on paper: A4 pages of one orientation, each drawn by a function
// of the painter and of the zone inside the margins, in points. The same
// drawing goes to a printer, to its preview and to a PDF file.
#pragma once

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

class Document
{
public:
    using Page = std::function<void(QPainter& p, const QRectF& zone)>;

    // The name a printer's queue shows, or a PDF file's title.
    Document(QString nom, QPageLayout::Orientation orientation);

    void Ajouter(Page page);
    const QString& nom() const { return nomDocument; }
    QPageLayout::Orientation orientation() const { return sens; }
    qsizetype nbPages() const { return pages.size(); }

    // Every page on the device with its own page layout (a printer as its
    // dialog left it), the drawing fitted inside the margins. False when the
    // device refuses to be painted on.
    bool Imprimer(QPagedPaintDevice& support) const;
    // As a PDF file, A4 in the document's orientation.
    bool EcrirePdf(const QString& fichier) const;

private:
    void DessinerPage(QPainter& p, const QPagedPaintDevice& support, const Page& page) const;

    QString nomDocument;
    QPageLayout::Orientation sens;
    QList<Page> pages;
};
