// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Classe.h"

#include "ModeleClasse.h"
#include "core/Textes.h"
#include "core/papier/PageClasse.h"
#include "core/platform/Horloge.h"
#include "ui/bilan/F_Bilan.h"
#include "ui/papier/DessinClasse.h"
#include "ui/papier/Impression.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Attente.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Clavier.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ressources.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int LargeurNom = 110;
constexpr int LargeurClasse = 70;
constexpr int LargeurDate = 150;
constexpr int LargeurLivret = 56;
constexpr int HauteurLigne = 40;   // two lines: the share, then the time

} // namespace

F_Classe::F_Classe(const Horloge* horloge, QWidget* parent)
    : QWidget(parent),
      horlogePropre(horloge ? nullptr : std::make_unique<HorlogeMonotone>()),
      horlogeUtilisee(horloge ? *horloge : *horlogePropre),
      BaseDonnéesClasse(QStringLiteral("BaseDonnéesClasse"), false)
{
    setObjectName(QStringLiteral("F_Classe"));
    setWindowTitle(Textes::TitreFenetreClasse);
    setWindowIcon(Icone(QStringLiteral("bilan")));
    setFixedSize(1000, 700);
    BaseDonnéesClasse.QuandAttente(SignalerAttente);
    InstallerAccessibilite();
    modele = new ModeleClasse(this);
    CreerControles();
    ChoisirFichier = [this](const QString& propose) { return DemanderFichier(propose); };
}

F_Classe::~F_Classe() = default;

void F_Classe::CreerControles()
{
    L_Titre_Principal = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"), QRect(24, 8, 952, 65),
                                       Police(36, false, true, QStringLiteral("Comic Sans MS")), Couleurs::Bleu);
    CreerLigne(this, QStringLiteral("Line1"), 360, 1320, 14640, Couleurs::Bleu);
    CreerPeriodes();

    T_Eleves = new QTableView(this);
    T_Eleves->setObjectName(QStringLiteral("T_Eleves"));
    T_Eleves->setModel(modele);
    T_Eleves->setFont(Police(11));
    T_Eleves->setGeometry(24, 140, 952, 390);
    T_Eleves->setSelectionBehavior(QAbstractItemView::SelectRows);
    T_Eleves->setSelectionMode(QAbstractItemView::SingleSelection);
    T_Eleves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    T_Eleves->setTabKeyNavigation(false);   // the arrows go from pupil to pupil, Tab to the buttons
    T_Eleves->setWordWrap(true);
    T_Eleves->verticalHeader()->hide();
    T_Eleves->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    T_Eleves->verticalHeader()->setDefaultSectionSize(HauteurLigne);
    QHeaderView* colonnes = T_Eleves->horizontalHeader();
    colonnes->setSectionResizeMode(QHeaderView::Fixed);
    colonnes->setDefaultSectionSize(LargeurLivret);
    for (const auto& [colonne, largeur] : {std::pair{0, LargeurNom}, {1, LargeurClasse}, {2, LargeurDate}})
        colonnes->resizeSection(colonne, largeur);
    T_Eleves->setAccessibleName(Textes::NomListeEleves);
    T_Eleves->setAccessibleDescription(Textes::LegendeClasse);
    connect(T_Eleves, &QTableView::activated, this, &F_Classe::B_Bilan_Click);

    L_Legende = CreerEtiquette(this, QStringLiteral("L_Legende"), QRect(24, 536, 952, 40), Police(10));
    L_Legende->setWordWrap(true);
    L_Legende->setText(Textes::LegendeClasse);
    L_ARevoir = CreerEtiquette(this, QStringLiteral("L_ARevoir"), QRect(24, 584, 560, 100), Police(12, true),
                               Couleurs::Bleu);
    L_ARevoir->setWordWrap(true);
    CreerBoutons();
}

void F_Classe::CreerPeriodes()
{
    Fr_Periode = CreerCadre(this, QStringLiteral("Fr_Periode"), QRect(24, 100, 952, 30));
    Fr_Periode->setAccessibleName(Textes::NomPeriode);
    for (int i = 0; i < NbPeriodes; ++i) {
        const Periode offerte = LesPeriodes[std::size_t(i)];
        O_Periode[i] = CreerBouton<QRadioButton>(Fr_Periode, "", NomDePeriode(offerte), QRect(i * 200, 0, 190, 30), 12);
        O_Periode[i]->setObjectName(NomIndexe("O_Periode", i));
        connect(O_Periode[i], &QRadioButton::toggled, this, [this, offerte](bool coche) {
            if (coche)
                O_Periode_Click(offerte);
        });
    }
    BoutonPeriode(periode)->setChecked(true);
}

void F_Classe::CreerBoutons()
{
    B_Imprimer = CreerBoutonImage(this, "B_Imprimer", Textes::Imprimer, QRect(598, 610, 89, 65),
                                  QStringLiteral("imprimer"), QSize(32, 32));
    B_Imprimer->setToolTip(Textes::NomImprimerClasse);
    B_Imprimer->setAccessibleName(Textes::NomImprimerClasse);
    connect(B_Imprimer, &QToolButton::clicked, this, &F_Classe::B_Imprimer_Click);
    B_Bilan = CreerBoutonImage(this, "B_Bilan", Textes::Bilan, QRect(693, 610, 89, 65), QStringLiteral("bilan"),
                               QSize(32, 32));
    B_Exporter = CreerBoutonImage(this, "B_Exporter", Textes::Exporter, QRect(788, 610, 89, 65),
                                  QStringLiteral("enregistrer"), QSize(32, 32));
    B_Quitter = CreerBoutonImage(this, "B_Quitter", Textes::Quitter, QRect(883, 610, 89, 65),
                                 QStringLiteral("quitter"), QSize(32, 32));
    B_Bilan->setToolTip(Textes::NomBilanEleve);
    B_Bilan->setAccessibleName(Textes::NomBilanEleve);
    connect(B_Bilan, &QToolButton::clicked, this, &F_Classe::B_Bilan_Click);
    connect(B_Exporter, &QToolButton::clicked, this, &F_Classe::B_Exporter_Click);
    connect(B_Quitter, &QToolButton::clicked, this, &QWidget::close);
    QWidget* ordre[] = {O_Periode[0], O_Periode[1], O_Periode[2], T_Eleves,
                        B_Imprimer, B_Bilan, B_Exporter, B_Quitter};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

QDate F_Classe::Aujourdhui() const
{
    return horlogeUtilisee.maintenant().date();
}

bool F_Classe::Form_Load()
{
    if (!BaseDonnéesClasse.serveur()) {
        AfficherMessage(this, {QMessageBox::Critical, Textes::TitreFinProgramme, Textes::ClasseSansServeur});
        return false;
    }
    const Lecture<Enseignant> enseignant = BaseDonnéesClasse.LireEnseignant();
    if (!enseignant) {
        SignalerProbleme(this, BaseDonnéesClasse.Expliquer(enseignant.probleme, Textes::BaseClasseDemarrage));
        return false;
    }
    if (enseignant.valeur.classes.isEmpty()) {
        AfficherMessage(this, {QMessageBox::Critical, Textes::TitreFinProgramme,
                               Textes::ClassePasEnseignant(enseignant.valeur.compte)});
        return false;
    }
    L_Titre_Principal->setTextFormat(Qt::PlainText);   // the classes' names as written, whatever they hold
    L_Titre_Principal->setText(Textes::TitreClasse(enseignant.valeur.classes));
    if (!Charger(Textes::BaseClasseDemarrage))
        return false;
    if (const QScreen* ecran = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), ecran->availableGeometry()));
    T_Eleves->setFocus();
    return true;
}

bool F_Classe::Charger(const QString& consequence)
{
    const QDate aujourdhui = Aujourdhui();
    const Lecture<QList<EleveClasse>> classe = BaseDonnéesClasse.LireClasse(DebutPeriode(periode, aujourdhui), aujourdhui);
    const Lecture<QList<Bilan>> bilans =
        classe ? BaseDonnéesClasse.LireBilansClasse(aujourdhui) : Lecture<QList<Bilan>>{{}, classe.probleme};
    if (!bilans) {
        SignalerProbleme(this, BaseDonnéesClasse.Expliquer(bilans.probleme, consequence));
        return false;
    }
    // The pupil chosen stays chosen.
    const int ligne = std::max(T_Eleves->currentIndex().row(), 0);
    modele->Afficher(classe.valeur);
    T_Eleves->setCurrentIndex(modele->index(std::min(ligne, modele->rowCount() - 1), 0));
    L_ARevoir->setText(LigneARevoir(FaitsLesPlusARevoir(bilans.valeur)));
    return true;
}

QRadioButton* F_Classe::BoutonPeriode(Periode p) const
{
    return O_Periode[std::size_t(std::find(LesPeriodes.cbegin(), LesPeriodes.cend(), p) - LesPeriodes.cbegin())];
}

void F_Classe::O_Periode_Click(Periode choisie)
{
    const Periode avant = periode;
    periode = choisie;
    if (periode == avant || Charger(Textes::BaseClasse))
        return;
    // Nothing read: the figures shown stay with their period.
    periode = avant;
    const QSignalBlocker bloque(BoutonPeriode(avant));
    BoutonPeriode(avant)->setChecked(true);
}

void F_Classe::B_Bilan_Click()
{
    const QModelIndex choisi = T_Eleves->currentIndex();
    if (!choisi.isValid())
        return;
    F_Bilan bilan(this);
    if (bilan.Form_Load(modele->eleves().at(choisi.row()).eleve, Aujourdhui()))
        bilan.exec();
}

QString F_Classe::DemanderFichier(const QString& propose)
{
    QFileDialog dialogue(this, Textes::TitreExporter, propose, Textes::FiltreCsv);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("csv"));
    return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

void F_Classe::B_Exporter_Click()
{
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fichier = ChoisirFichier(QDir(dossier).filePath(Textes::NomFichierExport(Aujourdhui().toString(Qt::ISODate))));
    if (fichier.isEmpty())
        return;
    const QByteArray csv = CsvClasse(modele->eleves(), DebutPeriode(periode, Aujourdhui()));
    QSaveFile sortie(fichier);
    const bool ecrit = sortie.open(QIODevice::WriteOnly) && sortie.write(csv) == csv.size() && sortie.commit();
    const QString nom = QDir::toNativeSeparators(fichier);
    AfficherMessage(this, {ecrit ? QMessageBox::Information : QMessageBox::Critical, Textes::TitreExporter,
                           ecrit ? Textes::ExportReussi(nom) : Textes::ExportEchoue(nom)});
}

void F_Classe::B_Imprimer_Click()
{
    // Read afresh for the period chosen: a server that fails is told, and nothing is printed.
    const Lecture<DocumentClasse> classe = LireDocumentClasse(BaseDonnéesClasse, periode, Aujourdhui());
    if (!classe) {
        SignalerProbleme(this, BaseDonnéesClasse.Expliquer(classe.probleme, Textes::BaseImpression));
        return;
    }
    if (!imprimante)
        imprimante = NouvelleImprimante();
    if (ImprimerDocument(this, *imprimante, DocumentPourClasse(classe.valeur), Textes::TitreImprimerClasse)
        == IssueImpression::Echec)
        SignalerProbleme(this, Textes::ImpressionEchouee);
}

void F_Classe::keyPressEvent(QKeyEvent* event)
{
    if (!EntreeSurBouton(this, event))
        QWidget::keyPressEvent(event);
}
