// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Small helpers to place controls as the windows were designed: positions in
// twips (15 to a pixel at 96 dpi), Arial fonts in points, text colours set
// through the palette.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QToolButton;
class QWidget;

constexpr int TwipsParPixel = 15;

constexpr QRect Twips(int gauche, int haut, int largeur, int hauteur)
{
    return {gauche / TwipsParPixel, haut / TwipsParPixel, largeur / TwipsParPixel,
            hauteur / TwipsParPixel};
}

constexpr QRect Twips(const QRect& twips)
{
    return Twips(twips.x(), twips.y(), twips.width(), twips.height());
}

QFont Police(qreal points, bool gras = false, bool italique = false,
             const QString& famille = QStringLiteral("Arial"));

// The name of one control of an array: "C_Livret_3".
QString NomIndexe(const char* nom, int index);

// The designed colour of a text; a dark palette shows it lighter, as readable
// on its background. The control keeps the designed one in its property
// "couleurDessinee", for the tests of contrast.
void DefinirCouleurTexte(QWidget* controle, const QColor& couleur);

QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QRect& position,
                       const QFont& police, const QColor& couleur = QColor(),
                       Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignTop);

// A frame without a border, to hold controls: a group to assistive technology.
QFrame* CreerCadre(QWidget* parent, const QString& nom, const QRect& position);

// A line of the design: a filled band of its colour and width, a separator to
// assistive technology.
QWidget* CreerLigne(QWidget* parent, const QString& nom, int gauche, int haut, int droite,
                    const QColor& couleur, int epaisseur = 2);

template<typename Bouton>
Bouton* CreerBouton(QWidget* parent, const char* nom, const QString& texte, const QRect& position,
                    qreal points)
{
    auto* bouton = new Bouton(parent);
    bouton->setObjectName(QString::fromUtf8(nom));
    bouton->setText(texte);
    bouton->setGeometry(position);
    bouton->setFont(Police(points));
    return bouton;
}

// A button with a picture above its caption, Arial 12 pt. It never takes the
// role of the default button.
QToolButton* CreerBoutonImage(QWidget* parent, const char* nom, const QString& texte,
                              const QRect& position, const QString& image, QSize tailleImage);
