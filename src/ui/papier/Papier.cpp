// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Papier.h"

#include "core/Textes.h"
#include "core/papier/Rapport.h"

#include <QPageSize>
#include <QPainter>

namespace Papier {

namespace {

constexpr qreal MargeMm = 12;
constexpr qreal HauteurPied = 14;

} // namespace

QPageLayout MiseEnPage(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(MargeMm, MargeMm, MargeMm, MargeMm),
                       QPageLayout::Millimeter);
}

QSizeF Zone(QPageLayout::Orientation orientation)
{
    return MiseEnPage(orientation).paintRect(QPageLayout::Point).size();
}

QFont Police(int points, bool gras, bool italique)
{
    QFont police(QStringLiteral("Arial"));
    // In the page's points, which the painter turns into the device's pixels;
    // the shapes of the letters unhinted, as they print.
    police.setPixelSize(points);
    police.setBold(gras);
    police.setItalic(italique);
    police.setHintingPreference(QFont::PreferNoHinting);
    return police;
}

QFont PoliceTitre(int points)
{
    QFont police = Police(points, true, true);
    police.setFamily(QStringLiteral("Comic Sans MS"));
    return police;
}

QColor Fond(EtatFait etat)
{
    switch (etat) {
    case EtatFait::JamaisVu: return QColor(0xFF, 0xFF, 0xFF);
    case EtatFait::ARevoir: return QColor(0xF9, 0xCF, 0xCF);
    case EtatFait::EnCours: return QColor(0xFB, 0xE3, 0xC2);
    case EtatFait::Acquis: return QColor(0xCF, 0xEB, 0xCF);
    case EtatFait::Automatise: return QColor(0xD2, 0xDC, 0xFF);
    }
    return Qt::white;
}

QColor Signe(EtatFait etat)
{
    switch (etat) {
    case EtatFait::JamaisVu: return QColor(0x70, 0x70, 0x70);
    case EtatFait::ARevoir: return QColor(0xB0, 0x00, 0x00);
    case EtatFait::EnCours: return QColor(0x95, 0x42, 0x00);
    case EtatFait::Acquis: return QColor(0x00, 0x66, 0x00);
    case EtatFait::Automatise: return QColor(0x00, 0x00, 0xD0);
    }
    return Encre;
}

void Ecrire(QPainter& p, const QRectF& rectangle, int alignement, const QString& texte, const QFont& police,
            const QColor& couleur)
{
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(rectangle, alignement, texte);
}

void DessinerPied(QPainter& p, const QRectF& zone)
{
    const QRectF pied(zone.left(), zone.bottom() - HauteurPied, zone.width(), HauteurPied);
    p.setPen(QPen(Trait, 0.5));
    p.drawLine(pied.topLeft(), pied.topRight());
    Ecrire(p, pied, Qt::AlignLeft | Qt::AlignBottom, Textes::PiedDePage(VersionCalkado()), Police(8), Discret);
}

} // namespace Papier
