// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ZoneQuestion.h"

#include "ChampReponse.h"
#include "core/Textes.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Contraste.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Son.h"

#include <QLabel>
#include <QTimer>

namespace {

// The colour of a verdict's phrase: blue right, red wrong, green refused.
QColor CouleurDe(Verdict::Genre genre)
{
    switch (genre) {
    case Verdict::Genre::Juste:
        return Couleurs::Bleu;
    case Verdict::Genre::Faux:
        return Couleurs::Rouge;
    case Verdict::Genre::PasDeNombre:
    case Verdict::Genre::DejaEssaye:
        break;
    }
    return Couleurs::VertVif;
}

} // namespace

ZoneQuestion::ZoneQuestion(QWidget* fenetre)
    : QObject(fenetre)
{
    CreerQuestion(fenetre);
    CreerRetour(fenetre);
    for (QWidget* controle : {static_cast<QWidget*>(L_Terme1), static_cast<QWidget*>(L_Fois),
                              static_cast<QWidget*>(L_Terme2), static_cast<QWidget*>(L_Egal),
                              static_cast<QWidget*>(T_Résultat), static_cast<QWidget*>(L_Vérification),
                              static_cast<QWidget*>(L_Time)})
        controle->hide();
    L_Fois->setAccessibleName(Textes::NomFois);
    L_Egal->setAccessibleName(Textes::NomEgal);
    T_Résultat->setAccessibleName(Textes::NomReponse);
    RendreSaisieLisible(T_Résultat);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ZoneQuestion::tic);
}

void ZoneQuestion::CreerQuestion(QWidget* fenetre)
{
    const QFont grande = Police(32.25);
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    L_Terme1 = CreerEtiquette(fenetre, QStringLiteral("L_Terme1"), Twips(480, 6660, 855, 855), grande, {},
                              Qt::AlignRight | Qt::AlignTop);
    L_Fois = CreerEtiquette(fenetre, QStringLiteral("L_Fois"), Twips(1500, 6660, 735, 855), grande, {}, centre);
    L_Terme2 = CreerEtiquette(fenetre, QStringLiteral("L_Terme2"), Twips(2400, 6660, 855, 855), grande);
    L_Egal = CreerEtiquette(fenetre, QStringLiteral("L_Egal"), Twips(3360, 6660, 495, 855), grande, {}, centre);
    T_Résultat = new ChampReponse(fenetre);
    T_Résultat->setObjectName(QStringLiteral("T_Résultat"));
    T_Résultat->setGeometry(Twips(4080, 6600, 1335, 855));
    T_Résultat->setFont(grande);
    T_Résultat->setAlignment(Qt::AlignCenter);
    QPalette fond = T_Résultat->palette();
    fond.setColor(QPalette::Base, fond.color(QPalette::HighlightedText));
    T_Résultat->setPalette(fond);
}

void ZoneQuestion::CreerRetour(QWidget* fenetre)
{
    const QFont grande = Police(32.25);
    L_NbEssais = CreerEtiquette(fenetre, QStringLiteral("L_NbEssais"), Twips(4080, 7470, 1335, 255), Police(8.25),
                                Couleurs::Bleu, Qt::AlignHCenter | Qt::AlignTop);
    L_Vérification = CreerEtiquette(fenetre, QStringLiteral("L_Vérification"), Twips(5760, 6660, 8055, 855), grande);
    L_Time = CreerEtiquette(fenetre, QStringLiteral("L_Time"), Twips(13680, 6660, 1335, 855), grande, Couleurs::Cyan,
                            Qt::AlignRight | Qt::AlignTop);
}

void ZoneQuestion::Poser(const Question& posee)
{
    question = posee;
    for (QLabel* etiquette : {L_Terme1, L_Fois, L_Terme2, L_Egal, L_NbEssais, L_Vérification, L_Time})
        etiquette->show();
    T_Résultat->show();
    L_Fois->setText(Textes::Fois);
    L_Egal->setText(Textes::Egal);
    L_Terme1->setText(QString::number(question.multiplicateur));
    L_Terme2->setText(QString::number(question.livret));
    // Named before it takes the focus, which a screen reader then speaks.
    RetirerAnnonce();
    T_Résultat->setAccessibleName(nomQuestion());
    T_Résultat->setEnabled(true);
    T_Résultat->clear();
    T_Résultat->setFocus();
    L_Vérification->clear();
    L_NbEssais->clear();
    L_Time->clear();
    Timer1->start();
}

QWidget* ZoneQuestion::champ() const
{
    return T_Résultat;
}

QString ZoneQuestion::nomQuestion() const
{
    return Textes::NomQuestion(question.multiplicateur, question.livret);
}

void ZoneQuestion::PreparerReponse(Reponse etat)
{
    switch (etat) {
    case Reponse::Inchangee:
        break;
    case Reponse::Fermee:
        T_Résultat->setEnabled(false);
        break;
    case Reponse::Selectionnee:
        T_Résultat->selectAll();
        T_Résultat->setFocus();
        break;
    case Reponse::CurseurALaFin:
        T_Résultat->setCursorPosition(int(T_Résultat->text().size()));
        T_Résultat->setFocus();
        break;
    }
}

QString ZoneQuestion::reponse() const
{
    return T_Résultat->text();
}

void ZoneQuestion::AfficherPhrase(const QString& phrase, const QColor& couleur)
{
    DefinirCouleurTexte(L_Vérification, couleur);
    L_Vérification->setText(phrase);
}

void ZoneQuestion::AfficherVerdict(const Verdict& verdict, int nbEssais)
{
    AfficherPhrase(verdict.phrase, CouleurDe(verdict.genre));
    if (!verdict.essaiCompte())
        return;
    L_NbEssais->setText(Textes::DebutNbEssais + QString::number(nbEssais));
    if (verdict.genre == Verdict::Genre::Juste) {
        Timer1->stop();
        return;
    }
    Bip();
    L_Time->hide();
}

void ZoneQuestion::AfficherReponseDonnee(const QString& produit)
{
    T_Résultat->setText(produit);
    AfficherPhrase(Textes::Reponse, Couleurs::VertVif);
    Timer1->stop();
}

void ZoneQuestion::AfficherTemps(const QString& temps)
{
    L_Time->setText(temps);
}

void ZoneQuestion::AfficherFinRevision()
{
    AfficherPhrase(Textes::ToutesRevues, Couleurs::Bleu);
    L_Vérification->show();
}

void ZoneQuestion::Cacher()
{
    for (QLabel* etiquette : {L_Terme1, L_Fois, L_Terme2, L_Egal, L_NbEssais, L_Vérification})
        etiquette->hide();
    Timer1->stop();
    L_Time->hide();
    T_Résultat->hide();
}
