// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Calkado.h"

#include "BoutonsCourse.h"
#include "ChoixLivrets.h"
#include "Colonnes.h"
#include "Indication.h"
#include "SuiviJour.h"
#include "ZoneQuestion.h"
#include "core/Textes.h"
#include "core/platform/Hasard.h"
#include "core/platform/Horloge.h"
#include "core/plan/PlanJour.h"
#include "core/plan/ResumeJour.h"
#include "core/plan/SourceJour.h"
#include "core/results/TableauResultats.h"
#include "core/startup/Demarrage.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Attente.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Clavier.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ecran.h"
#include "ui/platform/Ressources.h"
#include "ui/results/GrilleResultats.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

DispositionResultats dispositionResultats()
{
    DispositionResultats d;
    d.gaucheTitres = 240;
    d.largeurTitres = 3000;
    d.hautLignes = {3720, 4170, 4620, 5070, 5520};
    d.hauteurLigne = 375;
    for (int i = 0; i < NbLivrets; ++i)
        d.gaucheCellules[i] = GaucheColonnes[i] - 390;
    d.largeurCellule = 870;
    d.gaucheTotal = 13800;
    d.largeurTotal = 1200;
    d.titreTotal = QRect(13560, 2520, 1440, 495);
    return d;
}

// Shows the message of a start-up check, if any. False: the program must end.
bool Continuer(QWidget* fenetre, const std::optional<AvisDemarrage>& avis)
{
    if (!avis)
        return true;
    AfficherMessage(fenetre, {avis->critique ? QMessageBox::Critical : QMessageBox::Information, {}, avis->texte});
    return !avis->fin;
}

} // namespace

F_Calkado::F_Calkado(Hasard* hasard, const Horloge* horloge, QWidget* parent)
    : QWidget(parent),
      hasardPropre(hasard ? nullptr : std::make_unique<HasardHorloge>()),
      horlogePropre(horloge ? nullptr : std::make_unique<HorlogeMonotone>()),
      horlogeUtilisee(horloge ? *horloge : *horlogePropre),
      entrainement(hasard ? *hasard : *hasardPropre, horlogeUtilisee),
      BaseDonnées(QStringLiteral("BaseDonnées"))
{
    setObjectName(QStringLiteral("F_Calkado"));
    BaseDonnées.QuandAttente(SignalerAttente);
    setWindowIcon(Icone(QStringLiteral("fenetre")));
    // The layout is designed for this client area; the window never gets smaller.
    setMinimumSize(1024, 700);
    resize(1024, 700);
    InstallerAccessibilite();
    CreerControles();
    EntreeALaFenetre(this);
    ConnecterEvenements();
}

F_Calkado::~F_Calkado() = default;

// The controls at their designed places, sizes, fonts and colours, designed
// for 1024 x 700 pixels at 96 dpi, each part placing its own; made in this
// order, the later ones drawn over the earlier.
void F_Calkado::CreerControles()
{
    CreerEnTete();
    choix = new ChoixLivrets(this);
    grille = std::make_unique<GrilleResultats>(this, dispositionResultats());
    CreerLigne(this, QStringLiteral("Line4"), 240, 6240, 15000, Couleurs::Bleu);
    question = new ZoneQuestion(this);
    indication = new Indication(this);
    boutons = new BoutonsCourse(this);
    suivi = new SuiviJour(this);
    CreerCommandes();
    DefinirOrdreTabulation();
}

void F_Calkado::CreerEnTete()
{
    QLabel* image = CreerEtiquette(this, QStringLiteral("Image1"), Twips(240, 240, 975, 975), font());
    image->setPixmap(Image(QStringLiteral("image1"), QSize(65, 65)));
    QLabel* titre = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"), Twips(1560, 180, 10935, 975),
                                   Police(36, false, true, QStringLiteral("Comic Sans MS")), Couleurs::Bleu);
    titre->setText(Textes::TitreApplication);
    QLabel* logo = CreerEtiquette(this, QStringLiteral("Image_Logo"), Twips(12720, 240, 2475, 1050), font());
    logo->setPixmap(Image(QStringLiteral("logo"), QSize(165, 70)));
    // The child who trains, beside the logo, over the free end of the heading.
    L_Enfant = CreerEtiquette(this, QStringLiteral("L_Enfant"), Twips(6000, 630, 6600, 600), Police(20.25),
                              Couleurs::Bleu, Qt::AlignRight | Qt::AlignBottom);
    CreerLigne(this, QStringLiteral("Line1"), 240, 1440, 15000, Couleurs::Bleu);
}

void F_Calkado::CreerCommandes()
{
    CreerLigne(this, QStringLiteral("Line3"), 240, 8880, 15000, Couleurs::Bleu);
    const QSize icone(32, 32);
    B_Aide = CreerBoutonImage(this, "B_Aide", Textes::Aide, Twips(2160, 9240, 1335, 975), QStringLiteral("aide"), icone);
    B_Consulter = CreerBoutonImage(this, "B_Consulter", Textes::Consulter, Twips(4080, 9240, 1335, 975),
                                   QStringLiteral("consulter"), icone);
    B_Raz = CreerBoutonImage(this, "B_Raz", Textes::Raz, Twips(6000, 9240, 1335, 975), QStringLiteral("raz"), icone);
    B_Enregistrer = CreerBoutonImage(this, "B_Enregistrer", Textes::Enregistrer, Twips(7920, 9240, 1335, 975),
                                     QStringLiteral("enregistrer"), icone);
    B_Bilan = CreerBoutonImage(this, "B_Bilan", Textes::Bilan, Twips(9840, 9240, 1335, 975), QStringLiteral("bilan"),
                               icone);
    B_Jour = CreerBoutonImage(this, "B_Jour", Textes::Jour, Twips(11760, 9240, 1335, 975), QStringLiteral("jour"),
                              icone);
    B_Jour->setAccessibleName(Textes::NomJour);
    B_Quitter = CreerBoutonImage(this, "B_Quitter", Textes::Quitter, Twips(13680, 9240, 1335, 975),
                                 QStringLiteral("quitter"), QSize(26, 23));
    // The free place at the start of the row, in step with the others.
    B_Enfants = CreerBoutonImage(this, "B_Enfants", Textes::Enfants, Twips(240, 9240, 1335, 975),
                                 QStringLiteral("enfants"), icone);
    B_Enfants->setAccessibleDescription(Textes::TitreEnfants);
    // Enabled when the window becomes active.
    for (QToolButton* bouton : {B_Consulter, B_Raz, B_Enregistrer, B_Bilan, B_Enfants})
        bouton->setEnabled(false);
}

void F_Calkado::DefinirOrdreTabulation()
{
    QList<QWidget*> ordre = QList<QWidget*>{B_Quitter} + choix->ordreTabulation();
    ordre << question->champ();
    for (const BoutonCourse b : {BoutonCourse::Nouveau, BoutonCourse::Test, BoutonCourse::Resultat,
                                 BoutonCourse::Entrainement})
        ordre << boutons->bouton(b);
    ordre << B_Aide << B_Consulter << B_Raz << B_Enregistrer << B_Bilan << B_Jour << B_Enfants;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    // The first control of that order has the focus when the window opens.
    B_Quitter->setFocus();
}

void F_Calkado::ConnecterEvenements()
{
    connect(choix, &ChoixLivrets::livretsChoisis, this, [this](int nombre) {
        ChangerEtat(nombre == 0 ? EtatEntrainement::EtatAucunLivret : EtatEntrainement::EtatPret);
    });
    connect(question, &ZoneQuestion::tic, this, &F_Calkado::Timer1_Timer);
    connect(boutons, &BoutonsCourse::entrainement, this, &F_Calkado::B_Entrainement_Click);
    connect(boutons, &BoutonsCourse::nouveau, this, &F_Calkado::NouvelleQuestion);
    connect(boutons, &BoutonsCourse::tester, this, &F_Calkado::TesterReponse);
    connect(boutons, &BoutonsCourse::donner, this, &F_Calkado::DonnerReponse);
    connect(B_Aide, &QToolButton::clicked, this, &F_Calkado::B_Aide_Click);
    connect(B_Consulter, &QToolButton::clicked, this, &F_Calkado::B_Consulter_Click);
    connect(B_Raz, &QToolButton::clicked, this, &F_Calkado::B_Raz_Click);
    connect(B_Enregistrer, &QToolButton::clicked, this, &F_Calkado::B_Enregistrer_Click);
    connect(B_Bilan, &QToolButton::clicked, this, &F_Calkado::B_Bilan_Click);
    connect(B_Jour, &QToolButton::clicked, this, &F_Calkado::B_Jour_Click);
    connect(B_Quitter, &QToolButton::clicked, this, &F_Calkado::B_Quitter_Click);
    connect(B_Enfants, &QToolButton::clicked, this, &F_Calkado::B_Enfants_Click);
}

void F_Calkado::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (PremierAffichage && !activationPrevue) {
        // Once the window is on screen, as the child first sees it.
        activationPrevue = true;
        QTimer::singleShot(0, this, &F_Calkado::Form_Activate);
    }
}

void F_Calkado::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button, whichever control has the focus.
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (entree && boutons->PresserDefaut()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool F_Calkado::Form_Load()
{
    PremierAffichage = true;
    const std::optional<QString> titre = PreparerTitre();
    if (!titre) {
        AfficherMessage(this, {QMessageBox::Critical, Textes::TitreFinProgramme,
                               Textes::MessageFichierAbsent(Textes::NomFichierProgramme)});
        return false;
    }
    setWindowTitle(*titre);
    // On the school's server each pupil has their own account: no child to choose.
    B_Enfants->setVisible(!BaseDonnées.serveur());
    AfficherEnfant();
    question->Cacher();
    // The generator was seeded from the clock as the window was made, and the
    // training starts with empty pools and the phrase tables of Textes.
    ChangerEtat(EtatEntrainement::EtatAucunLivret);
    if (!Continuer(this, VerifierAffichage(MesurerEcran(*this))))
        return false;
    if (const QScreen* ecran = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), ecran->availableGeometry()));
    return true;
}

void F_Calkado::Form_Activate()
{
    if (PremierAffichage) {
        PremierAffichage = false;
        Continuer(this, VerifierCouleurs(MesurerEcran(*this)));
        // A faulty file does not keep the child from training.
        SignalerProbleme(this, BaseDonnées.Expliquer(BaseDonnées.Verifier(), Textes::BaseAuDemarrage));
    }
    grille->MontrerTableauResultats(true);
    for (QToolButton* bouton : {B_Raz, B_Enregistrer, B_Consulter, B_Bilan, B_Enfants})
        bouton->setEnabled(true);
}

void F_Calkado::ChangerEtat(EtatEntrainement nouvel)
{
    etat = nouvel;
    const Configuration c = ConfigurationDe(etat);
    // The end of the day's run goes with the next change, and the hint comes back.
    if (std::exchange(finAffichee, false))
        suivi->Cacher();
    choix->ActiverSelection(!c.enCours);
    if (c.enCours)
        indication->Arreter();
    else
        indication->Demarrer();
    // Buttons are enabled before the answer box closes and disabled after, so
    // that the focus leaving a closed control finds the next one open.
    boutons->Ouvrir(c);
    question->PreparerReponse(c.reponse);
    boutons->Fermer(c);
    ActualiserJour();
}

void F_Calkado::ActualiserJour()
{
    B_Jour->setEnabled(!ConfigurationDe(etat).enCours && !entrainement.aDesResultats());
}

void F_Calkado::ActiverCommandes(bool actif)
{
    // Help, the commands on the results and the choice of the child wait
    // for the end of a run.
    for (QToolButton* bouton : {B_Aide, B_Raz, B_Consulter, B_Enregistrer, B_Bilan, B_Enfants})
        bouton->setEnabled(actif);
}

void F_Calkado::B_Entrainement_Click()
{
    if (ConfigurationDe(etat).enCours) {
        Interrompre();
        return;
    }
    const Choix& c = choix->choix();
    if (!c.revoir)
        entrainement.DemarrerEntrainement(c.livrets, c.multMax(), c.aleatoire);
    else if (!PreparerRevision())
        return;
    ChangerEtat(EtatEntrainement::EtatRepondu);
    boutons->bouton(BoutonCourse::Nouveau)->setFocus();
    ActiverCommandes(false);
}

void F_Calkado::Interrompre()
{
    // A question still pending counts nowhere.
    ActiverCommandes(true);
    ChangerEtat(EtatEntrainement::EtatPret);
    question->Cacher();
    suivi->Cacher();
    memoireJour.reset();
    const Comptes total = Total(entrainement.comptes());
    Annoncer(this, Textes::AnnonceFin(total.NbQuestionParLivret, total.NbQuestionEssai1));
}

void F_Calkado::NouvelleQuestion()
{
    if (etat != EtatEntrainement::EtatRepondu)
        return;
    question->Poser(entrainement.NouvelleQuestion());
    AfficherResultats();
    ChangerEtat(EtatEntrainement::EtatQuestion);
}

void F_Calkado::TesterReponse()
{
    const Verdict verdict = entrainement.TesterReponse(question->reponse());
    question->AfficherVerdict(verdict, entrainement.NbEssais());
    if (!verdict.essaiCompte()) {
        Annoncer(this, verdict.phrase);
        return;
    }
    if (verdict.genre == Verdict::Genre::Juste)
        ChangerEtat(EtatEntrainement::EtatRepondu);
    else
        ChangerEtat(entrainement.ReponsePermise() ? EtatEntrainement::EtatQuestionAide : EtatEntrainement::EtatQuestion);
    AfficherResultats();
    // Through the object the new state gave the focus to.
    AnnoncerReglement(verdict.phrase);
    TerminerCourse();
}

void F_Calkado::DonnerReponse()
{
    const QString produit = entrainement.DonnerReponse();
    question->AfficherReponseDonnee(produit);
    AfficherResultats();
    ChangerEtat(EtatEntrainement::EtatRepondu);
    AnnoncerReglement(Textes::AnnonceReponseDonnee(question->nomQuestion(), produit));
    TerminerCourse();
}

void F_Calkado::AnnoncerReglement(const QString& phrase)
{
    const std::optional<Avancement> a = entrainement.avancement();
    if (!memoireJour || !a || etat != EtatEntrainement::EtatRepondu) {
        Annoncer(this, phrase);
        return;
    }
    suivi->MontrerAvancement(*a);
    Annoncer(this, Textes::PhraseEtAvancement(phrase, a->faits, a->total));
}

bool F_Calkado::PreparerRevision()
{
    const Lecture<Bilan> lu = BaseDonnées.LireBilan();
    if (!lu) {
        SignalerProbleme(this, BaseDonnées.Expliquer(lu.probleme, Textes::BaseRevision));
        return false;
    }
    // The facts saved and those of the results on screen, as they stand today.
    const Choix& c = choix->choix();
    const QDate aujourdhui = horlogeUtilisee.maintenant().date();
    Bilan bilan = lu.valeur;
    bilan.Ajouter(entrainement.faits(), aujourdhui);
    const QList<Question> aRevoir = FaitsARevoir(bilan, c.livrets, c.multMax(), aujourdhui);
    if (aRevoir.isEmpty()) {
        QList<int> livrets;
        for (int i = 0; i < NbLivrets; ++i)
            if (c.livrets[std::size_t(i)])
                livrets << i + PremierLivret;
        AfficherMessage(this, {QMessageBox::Information, {}, Textes::RienARevoir(livrets)});
        return false;
    }
    entrainement.DemarrerRevision(aRevoir, c.aleatoire);
    return true;
}

void F_Calkado::B_Jour_Click()
{
    if (ConfigurationDe(etat).enCours || entrainement.aDesResultats())
        return;
    const Lecture<MemoireLue> lue = BaseDonnées.LireMemoire();
    if (!lue) {
        SignalerProbleme(this, BaseDonnées.Expliquer(lue.probleme, Textes::BaseJour));
        return;
    }
    const PlanJour plan =
        Planifier(lue.valeur.memoire, horlogeUtilisee.maintenant().date().toJulianDay(), choix->choix().multMax());
    if (plan.vide()) {
        AfficherMessage(this, {QMessageBox::Information, {}, Textes::RienAFaire});
        return;
    }
    choix->Cocher(plan.livrets());
    memoireJour = lue.valeur.memoire;
    entrainement.Demarrer(std::make_unique<SourceJour>(plan, *memoireJour, horlogeUtilisee));
    ChangerEtat(EtatEntrainement::EtatRepondu);
    ActiverCommandes(false);
    suivi->MontrerAvancement(entrainement.avancement().value_or(Avancement{}));
    NouvelleQuestion();
}

void F_Calkado::TerminerCourse()
{
    if (!entrainement.Terminee())
        return;
    // As "&Interrompre" would end it; the phrase stays to say why.
    const std::optional<MemoirePaires> jour = memoireJour;
    Interrompre();
    if (jour) {
        FinirJour(*jour);
        return;
    }
    question->AfficherFinRevision();
    Annoncer(this, Textes::ToutesRevues);
}

void F_Calkado::FinirJour(const MemoirePaires& avant)
{
    // Which facts became automatisé is told from the saved grid: without it,
    // none is counted.
    const QDate aujourdhui = horlogeUtilisee.maintenant().date();
    const ResumeJour r = Resumer(avant, BaseDonnées.LireBilan().valeur, entrainement.faits(), aujourdhui);
    const QString texte = Textes::FinJour + QLatin1Char('\n') + Textes::ResumeJour(r.revues, r.nouvelles, r.automatisees);
    // In the hint's place, until the next change of state brings it back.
    indication->Arreter();
    suivi->MontrerFin(texte);
    finAffichee = true;
    Annoncer(this, texte);
}

void F_Calkado::Timer1_Timer()
{
    entrainement.ActualiserDixiemes();
    question->AfficherTemps(entrainement.TexteTemps());
}

void F_Calkado::AfficherResultats()
{
    grille->Afficher(TextesDuTableau(entrainement.comptes()));
    choix->Proteger(entrainement.aDesResultats());
    ActualiserJour();
}
