// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Document.h"

#include "Papier.h"
#include "core/Textes.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

Document::Document(QString nom, QPageLayout::Orientation orientation)
    : nomDocument(std::move(nom)), sens(orientation)
{
}

void Document::Ajouter(Page page)
{
    pages.append(std::move(page));
}

void Document::DessinerPage(QPainter& p, const QPagedPaintDevice& support, const Page& page) const
{
    // The device's pixels to points, then the designed zone fitted to what
    // the sheet leaves inside its margins, centred.
    const qreal pixelsParPoint = support.logicalDpiX() / 72.0;
    const QSizeF place(support.width() / pixelsParPoint, support.height() / pixelsParPoint);
    const QSizeF zone = Papier::Zone(sens);
    const qreal echelle = std::min(place.width() / zone.width(), place.height() / zone.height());
    p.save();
    p.scale(pixelsParPoint, pixelsParPoint);
    p.translate((place.width() - zone.width() * echelle) / 2, (place.height() - zone.height() * echelle) / 2);
    p.scale(echelle, echelle);
    page(p, QRectF(QPointF(0, 0), zone));
    p.restore();
}

bool Document::Imprimer(QPagedPaintDevice& support) const
{
    QPainter p;
    if (!p.begin(&support))
        return false;
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !support.newPage())
            return false;
        DessinerPage(p, support, pages[i]);
    }
    return p.end();
}

bool Document::EcrirePdf(const QString& fichier) const
{
    QPdfWriter pdf(fichier);
    pdf.setPageLayout(Papier::MiseEnPage(sens));
    pdf.setTitle(nomDocument);
    pdf.setCreator(Textes::TitreApplication);
    return Imprimer(pdf);
}
