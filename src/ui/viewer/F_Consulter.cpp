// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Consulter.h"

#include "GrapheProgression.h"
#include "core/Textes.h"
#include "core/results/DateHeure.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Attente.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Clavier.h"
#include "ui/platform/Ressources.h"
#include "ui/results/GrilleResultats.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

F_Consulter::F_Consulter(QWidget* parent)
    : QDialog(parent),
      BaseDonnéesConsulter(QStringLiteral("BaseDonnéesConsulter"))
{
    setObjectName(QStringLiteral("F_Consulter"));
    BaseDonnéesConsulter.QuandAttente(SignalerAttente);
    setWindowTitle(Textes::TitreConsulter);
    setWindowIcon(Icone(QStringLiteral("consulter_fenetre")));
    setFixedSize(1000, 650);
    InstallerAccessibilite();
    CreerControles();
    connect(L_Date, &QListWidget::currentRowChanged, this, [this](int ligne) {
        if (ligne >= 0)
            L_Date_Click();
    });
    connect(B_Supprimer, &QToolButton::clicked, this, &F_Consulter::B_Supprimer_Click);
    connect(C_Fermer, &QToolButton::clicked, this, &F_Consulter::C_Fermer_Click);
}

F_Consulter::~F_Consulter() = default;

bool F_Consulter::Form_Load()
{
    L_Date->clear();
    dates.clear();
    const Lecture<QStringList> lues = BaseDonnéesConsulter.LireDates();
    if (!lues) {
        SignalerProbleme(this, BaseDonnéesConsulter.Expliquer(lues.probleme, Textes::BaseConsultation));
        return false;
    }
    if (lues.valeur.isEmpty()) {
        AfficherMessage(this, {QMessageBox::NoIcon, {}, Textes::PasDeDonnees});
        return false;
    }
    QStringList elements;
    elements.reserve(lues.valeur.size());
    for (const QString& dateHeure : lues.valeur)
        elements << (dateHeure.isEmpty() ? Textes::SansDate : ElementListe(dateHeure));
    dates = lues.valeur;
    L_Date->addItems(elements);
    L_Date->setCurrentRow(0);
    return true;
}

void F_Consulter::done(int resultat)
{
    BaseDonnéesConsulter.Fermer();
    QDialog::done(resultat);
}

void F_Consulter::keyPressEvent(QKeyEvent* event)
{
    if (!EntreeSurBouton(this, event))
        QDialog::keyPressEvent(event);
}

bool F_Consulter::eventFilter(QObject* objet, QEvent* event)
{
    const auto* etiquette = qobject_cast<QLabel*>(objet);
    if (event->type() != QEvent::MouseButtonRelease || !etiquette)
        return QDialog::eventFilter(objet, event);
    const auto* souris = static_cast<QMouseEvent*>(event);
    if (souris->button() != Qt::LeftButton || !etiquette->rect().contains(souris->position().toPoint()))
        return false;
    const auto livret = std::find(L_Livret.begin(), L_Livret.end(), etiquette);
    G_Progression->ChoisirLivret(livret == L_Livret.end() ? TousLesLivrets
                                                          : int(livret - L_Livret.begin()) + PremierLivret);
    return true;
}

void F_Consulter::C_Fermer_Click()
{
    close();
}

void F_Consulter::L_Date_Click()
{
    const QListWidgetItem* element = L_Date->currentItem();
    if (!element)
        return;
    Resultats resultats;
    RazResultats(resultats);
    const QString cle = dates.value(L_Date->currentRow());
    L_Titre_Principal->setText(Textes::DebutEntrainement + element->text());
    const Lecture<Resultats> lus = BaseDonnéesConsulter.LireResultats(cle);
    if (lus)
        resultats = lus.valeur;
    else
        SignalerProbleme(this, BaseDonnéesConsulter.Expliquer(lus.probleme, Textes::BaseConsultation));
    ChargerResultats(resultats);
    AfficherResultats();
    G_Progression->Afficher(cle);
}

void F_Consulter::ChargerResultats(const Resultats& resultats)
{
    for (int i = 0; i < NbLivrets; ++i) {
        const ResultatLivret& r = resultats[i];
        // The options shown are those of the saved training: every table of
        // it carries the same.
        if (r.NbQuestionParLivret > 0) {
            O_1a12->setChecked(r.Multiplicateur1a12);
            O_1a10->setChecked(!r.Multiplicateur1a12);
            C_Aléatoire->setChecked(r.Aléatoire != 0);
        }
    }
    comptes = ComptesDesResultats(resultats);
}

void F_Consulter::AfficherResultats()
{
    grille->Afficher(TextesDuTableau(comptes));
}

void F_Consulter::B_Supprimer_Click()
{
    const Lecture<bool> contient = BaseDonnéesConsulter.ContientDesResultats();
    if (!contient) {
        SignalerProbleme(this, BaseDonnéesConsulter.Expliquer(contient.probleme, Textes::BaseSuppression));
        return;
    }
    const QListWidgetItem* element = L_Date->currentItem();
    if (!contient.valeur || !element)
        return;
    if (!ConfirmerSuppression(element->text()))
        return;
    const ProblemeBase probleme = BaseDonnéesConsulter.SupprimerEntrainement(dates.value(L_Date->currentRow()));
    SignalerProbleme(this, BaseDonnéesConsulter.Expliquer(probleme, Textes::BaseSuppression));
    // A saved training that is no longer there leaves the list as well.
    if (probleme == ProblemeBase::Aucun || probleme == ProblemeBase::Introuvable)
        RetirerElementChoisi();
}

bool F_Consulter::ConfirmerSuppression(const QString& element)
{
    return AfficherMessage(this, {QMessageBox::Critical, Textes::TitreSupprimer, Textes::MessageSupprimer(element),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
        == QMessageBox::Yes;
}

void F_Consulter::RetirerElementChoisi()
{
    // The next more recent saved training takes the place of the one deleted,
    // or the new first one when the first went.
    const int ligne = L_Date->currentRow();
    {
        const QSignalBlocker silence(L_Date);
        delete L_Date->takeItem(ligne);
        dates.removeAt(ligne);
        if (L_Date->count() > 0)
            L_Date->setCurrentRow(std::max(ligne - 1, 0));
    }
    if (L_Date->count() > 0) {
        L_Date_Click();
        return;
    }
    Resultats resultats;
    RazResultats(resultats);
    L_Titre_Principal->setText(Textes::PlusDEntrainement);
    ChargerResultats(resultats);
    AfficherResultats();
    G_Progression->Afficher(QString());
}
