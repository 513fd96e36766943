// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Bilan.h"

#include "DelegueFait.h"
#include "ModeleBilan.h"
#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/papier/Diplome.h"
#include "core/papier/Rapport.h"
#include "ui/papier/DessinDiplome.h"
#include "ui/papier/DessinRapport.h"
#include "ui/papier/Impression.h"
#include "ui/platform/Attente.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ressources.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr int LargeurColonne = 60;
constexpr int HauteurLigne = 32;
constexpr int LargeurEnTete = 112;   // room for a diploma's rosette

} // namespace

F_Bilan::F_Bilan(QWidget* parent)
    : QDialog(parent),
      NomEnfant(NomSurPapier),
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
    CreerBoutonsPapier();
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
    L_NonEnregistres = CreerEtiquette(this, QStringLiteral("L_NonEnregistres"), QRect(24, haut + 62, 540, 44),
                                      Police(10));
    L_NonEnregistres->setWordWrap(true);
}

bool F_Bilan::Form_Load(const QDate& aujourdhui, bool resultatsNonEnregistres)
{
    return Charger(BaseDonnéesBilan.LireBilan(), aujourdhui, resultatsNonEnregistres);
}

bool F_Bilan::Form_Load(const QString& eleveChoisi, const QDate& aujourdhui)
{
    eleve = eleveChoisi;
    NomEnfant = [eleveChoisi] { return eleveChoisi; };
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
    jour = aujourdhui;
    modele->Afficher(bilan, aujourdhui);
    modele->DefinirDiplomes(DiplomesGagnes(bilan));
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
    ActualiserDiplome();
}

void F_Bilan::done(int resultat)
{
    BaseDonnéesBilan.Fermer();
    QDialog::done(resultat);
}

void F_Bilan::CreerBoutonsPapier()
{
    B_Diplome = CreerBoutonImage(this, "B_Diplome", Textes::Diplome, QRect(579, 560, 89, 65),
                                 QStringLiteral("diplome"), QSize(32, 32));
    B_Imprimer = CreerBoutonImage(this, "B_Imprimer", Textes::Imprimer, QRect(673, 560, 89, 65),
                                  QStringLiteral("imprimer"), QSize(32, 32));
    B_Imprimer->setToolTip(Textes::NomImprimerBilan);
    B_Imprimer->setAccessibleName(Textes::NomImprimerBilan);
    connect(B_Imprimer, &QToolButton::clicked, this, &F_Bilan::B_Imprimer_Click);
    connect(B_Diplome, &QToolButton::clicked, this, &F_Bilan::B_Diplome_Click);
    // The current cell's table says which diploma the button prints; an
    // earned table's header prints it too.
    connect(T_Faits->selectionModel(), &QItemSelectionModel::currentChanged, this, &F_Bilan::ActualiserDiplome);
    connect(T_Faits->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int ligne) {
        if (modele->diplome(ligne + PremierLivret))
            ImprimerDiplome(ligne + PremierLivret);
    });
    setTabOrder(T_Faits, B_Diplome);
    setTabOrder(B_Diplome, B_Imprimer);
    setTabOrder(B_Imprimer, B_Fermer);
}

void F_Bilan::ActualiserDiplome()
{
    const int livret = std::max(T_Faits->currentIndex().row(), 0) + PremierLivret;
    const bool gagne = modele->diplome(livret).has_value();
    B_Diplome->setEnabled(gagne);
    B_Diplome->setToolTip(gagne ? Textes::NomDiplome(livret) : Textes::SansDiplome(livret));
    B_Diplome->setAccessibleName(gagne ? Textes::NomDiplome(livret) : Textes::SansDiplome(livret));
}

void F_Bilan::Imprimer(const Document& document, const QString& titre)
{
    if (!imprimante)
        imprimante = NouvelleImprimante();
    if (ImprimerDocument(this, *imprimante, document, titre) == IssueImpression::Echec)
        SignalerProbleme(this, Textes::ImpressionEchouee);
}

void F_Bilan::B_Imprimer_Click()
{
    // Read afresh, as the grid was: a store that fails is told, and nothing is printed.
    const Lecture<RapportEnfant> rapport = LireRapport(BaseDonnéesBilan, NomEnfant(), jour, eleve);
    if (!rapport) {
        SignalerProbleme(this, BaseDonnéesBilan.Expliquer(rapport.probleme, Textes::BaseImpression));
        return;
    }
    Imprimer(DocumentRapport(rapport.valeur), Textes::TitreImprimerBilan);
}

void F_Bilan::B_Diplome_Click()
{
    ImprimerDiplome(std::max(T_Faits->currentIndex().row(), 0) + PremierLivret);
}

void F_Bilan::ImprimerDiplome(int livret)
{
    const Lecture<std::optional<Diplome>> diplome = LireDiplome(BaseDonnéesBilan, NomEnfant(), livret, eleve);
    if (!diplome) {
        SignalerProbleme(this, BaseDonnéesBilan.Expliquer(diplome.probleme, Textes::BaseImpression));
        return;
    }
    if (!diplome.valeur) {
        AfficherMessage(this, {QMessageBox::Information, {}, Textes::SansDiplome(livret)});
        return;
    }
    Imprimer(DocumentDiplomes({*diplome.valeur}), Textes::TitreImprimerDiplome);
}
