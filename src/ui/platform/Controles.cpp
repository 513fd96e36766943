// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Controles.h"

#include "Accessibilite.h"
#include "Contraste.h"
#include "Ressources.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

QFont Police(qreal points, bool gras, bool italique, const QString& famille)
{
    QFont police(famille);
    police.setPointSizeF(points);
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

QString NomIndexe(const char* nom, int index)
{
    return QString::fromUtf8(nom) + QLatin1Char('_') + QString::number(index);
}

namespace {

// Where a control keeps its designed colour, which a dark palette changes on screen.
const char* const CouleurDessinee = "couleurDessinee";

} // namespace

void DefinirCouleurTexte(QWidget* controle, const QColor& couleur)
{
    controle->setProperty(CouleurDessinee, couleur);
    QPalette palette = controle->palette();
    // These texts stand on the window, whatever the control's own background role.
    const bool sombre = PaletteSombre(palette);
    const double minimum = ContrasteRequis(controle->font());
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(groupe, controle->foregroundRole(),
                         sombre ? CouleurLisible(couleur, palette.color(groupe, QPalette::Window), minimum) : couleur);
    controle->setPalette(palette);
}

QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QRect& position,
                       const QFont& police, const QColor& couleur, Qt::Alignment alignement)
{
    auto* etiquette = new QLabel(parent);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(position);
    etiquette->setFont(police);
    etiquette->setAlignment(alignement);
    if (couleur.isValid())
        DefinirCouleurTexte(etiquette, couleur);
    return etiquette;
}

QFrame* CreerCadre(QWidget* parent, const QString& nom, const QRect& position)
{
    auto* cadre = new QFrame(parent);
    DefinirRoleAccessible(cadre, QAccessible::Grouping);
    cadre->setObjectName(nom);
    cadre->setFrameShape(QFrame::NoFrame);
    cadre->setGeometry(position);
    return cadre;
}

QWidget* CreerLigne(QWidget* parent, const QString& nom, int gauche, int haut, int droite,
                    const QColor& couleur, int epaisseur)
{
    auto* ligne = new QFrame(parent);
    DefinirRoleAccessible(ligne, QAccessible::Separator);
    ligne->setObjectName(nom);
    ligne->setFrameShape(QFrame::NoFrame);
    ligne->setGeometry(gauche / TwipsParPixel, haut / TwipsParPixel - epaisseur / 2,
                       (droite - gauche) / TwipsParPixel, epaisseur);
    ligne->setAutoFillBackground(true);
    QPalette palette = ligne->palette();
    palette.setColor(QPalette::Window, couleur);
    ligne->setPalette(palette);
    return ligne;
}

QToolButton* CreerBoutonImage(QWidget* parent, const char* nom, const QString& texte,
                              const QRect& position, const QString& image, QSize tailleImage)
{
    auto* bouton = CreerBouton<QToolButton>(parent, nom, texte, position, 12);
    bouton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bouton->setIcon(QIcon(Image(image, tailleImage)));
    bouton->setIconSize(tailleImage);
    bouton->setFocusPolicy(Qt::StrongFocus);
    return bouton;
}
