// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Bilan.h"

#include "DelegueFait.h"
#include "ModeleBilan.h"
#include "core/Textes.h"
#include "ui/platform/Attente.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ressources.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr int LargeurColonne = 60;
constexpr int HauteurLigne = 32;
constexpr int LargeurEnTete = 96;

} // namespace

F_Bilan::F_Bilan(QWidget* parent)
    : QDialog(parent),
      BaseDonnéesBilan(QStringLiteral("BaseDonnéesBilan"), false)
{
    setObjectName(QStringLiteral("F_Bilan"));
    setWindowTitle(Textes::TitreBilan);
    setWindowIcon(Icone(QStringLiteral("bilan")));
    setFixedSize(880, 640);
    BaseDonnéesBilan.QuandAttente(SignalerAttente);
    modele = new ModeleBilan(palette().color(QPalette::Window).lightness() < 128, this);
    CreerControles();
    connect(B_Fermer, &QToolButton::clicked, this, &QDialog::accept);
}

F_Bilan::~F_Bilan() = default;

void F_Bilan::CreerControles()
{
    L_Titre_Principal = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"), QRect(24, 8, 820, 65),
                                       Police(36, false, true, QStringLiteral("Comic Sans MS")), Couleurs::Bleu);
    L_Titre_Principal->setText(Textes::TitreBilan);
    CreerLigne(this, QStringLiteral("Line1"), 360, 1320, 12840, Couleurs::Bleu);

    T_Faits = new QTableView(this);
    T_Faits->setObjectName(QStringLiteral("T_Faits"));
    T_Faits->setModel(modele);
    T_Faits->setFont(Police(12));
    T_Faits->setSelectionMode(QAbstractItemView::SingleSelection);
    T_Faits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    T_Faits->setTabKeyNavigation(false);   // the arrows go from cell to cell, Tab to « Fermer »
    T_Faits->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    T_Faits->horizontalHeader()->setDefaultSectionSize(LargeurColonne);
    T_Faits->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    T_Faits->verticalHeader()->setDefaultSectionSize(HauteurLigne);
    T_Faits->verticalHeader()->setFixedWidth(LargeurEnTete);
    const int largeur = LargeurEnTete + NbMultiplicateurs * LargeurColonne + 2 * T_Faits->frameWidth();
    const int hauteur = T_Faits->horizontalHeader()->sizeHint().height() + NbLivrets * HauteurLigne
                      + 2 * T_Faits->frameWidth();
    T_Faits->setGeometry(24, 96, largeur, hauteur);
    T_Faits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    T_Faits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    T_Faits->setItemDelegate(new DelegueFait(T_Faits));
    CreerLegende();

    B_Fermer = CreerBoutonImage(this, "B_Fermer", Textes::Fermer, QRect(767, 560, 89, 65), QStringLiteral("fermer"),
                                QSize(32, 32));
    setTabOrder(T_Faits, B_Fermer);
}

void F_Bilan::CreerLegende()
{
    const int haut = T_Faits->geometry().bottom() + 14;
    for (int etat = 0; etat < NbEtatsFait; ++etat) {
        const int gauche = 24 + etat * 165;
        L_Signe[etat] = CreerEtiquette(this, NomIndexe("L_Signe", etat), QRect(gauche, haut, 24, 24), Police(12));
        L_Signe[etat]->setAlignment(Qt::AlignCenter);
        L_Signe[etat]->setAutoFillBackground(true);
        L_Legende[etat] = CreerEtiquette(this, NomIndexe("L_Legende", etat), QRect(gauche + 30, haut + 2, 130, 24),
                                         Police(12));
    }
    L_Dus = CreerEtiquette(this, QStringLiteral("L_Dus"), QRect(24, haut + 34, 600, 24), Police(12, true),
                           Couleurs::Bleu);
    L_NonEnregistres = CreerEtiquette(this, QStringLiteral("L_NonEnregistres"), QRect(24, haut + 62, 600, 44),
                                      Police(10));
    L_NonEnregistres->setWordWrap(true);
}

bool F_Bilan::Form_Load(const QDate& aujourdhui, bool resultatsNonEnregistres)
{
    return Charger(BaseDonnéesBilan.LireBilan(), aujourdhui, resultatsNonEnregistres);
}

bool F_Bilan::Form_Load(const QString& eleve, const QDate& aujourdhui)
{
    setWindowTitle(Textes::TitreBilanEleve(eleve));
    L_Titre_Principal->setTextFormat(Qt::PlainText);   // the pupil's name as written, whatever it holds
    L_Titre_Principal->setText(windowTitle());
    return Charger(BaseDonnéesBilan.LireBilan(eleve), aujourdhui, false);
}

bool F_Bilan::Charger(const Lecture<Bilan>& lu, const QDate& aujourdhui, bool resultatsNonEnregistres)
{
    if (!lu) {
        SignalerProbleme(this, BaseDonnéesBilan.Expliquer(lu.probleme, Textes::BaseBilan));
        BaseDonnéesBilan.Fermer();
        return false;
    }
    Afficher(lu.valeur, aujourdhui, resultatsNonEnregistres);
    return true;
}

void F_Bilan::Afficher(const Bilan& bilan, const QDate& aujourdhui, bool resultatsNonEnregistres)
{
    modele->Afficher(bilan, aujourdhui);
    const std::array<int, NbEtatsFait> nombres = modele->parEtat();
    for (int etat = 0; etat < NbEtatsFait; ++etat) {
        QPalette couleurs = L_Signe[etat]->palette();
        couleurs.setColor(QPalette::Window, modele->fond(EtatFait(etat)));
        L_Signe[etat]->setPalette(couleurs);
        L_Signe[etat]->setPixmap(modele->signe(EtatFait(etat)));
        L_Legende[etat]->setText(Textes::LegendeEtat(NomEtatFait(EtatFait(etat)), nombres[std::size_t(etat)]));
    }
    L_Dus->setText(Textes::DusAujourdhui(modele->dus()));
    L_NonEnregistres->setText(resultatsNonEnregistres ? Textes::BilanSansResultatsAffiches : QString());
    T_Faits->setCurrentIndex(modele->index(0, 0));
    T_Faits->setFocus();
}

void F_Bilan::done(int resultat)
{
    BaseDonnéesBilan.Fermer();
    QDialog::done(resultat);
}
