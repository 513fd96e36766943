// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "F_Enfants.h"

#include "core/Textes.h"
#include "core/family/EnfantCourant.h"
#include "core/family/Prenom.h"
#include "ui/platform/BoiteMessage.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/platform/Ressources.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Largeur = 520;
constexpr int HautLignes = 128;
constexpr int HauteurLigne = 58;

// "&Zoé": Alt and the first letter choose the child; an "&" of the name stays one.
QString Legende(const QString& nom)
{
    QString texte = nom;
    texte.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const auto lettre = std::find_if(texte.cbegin(), texte.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    if (lettre != texte.cend())
        texte.insert(lettre - texte.cbegin(), QLatin1Char('&'));
    return texte;
}

QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& texte, const QRect& place, qreal points)
{
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(place);
    bouton->setFont(Police(points));
    bouton->setAutoDefault(true);
    return bouton;
}

} // namespace

F_Enfants::F_Enfants(Famille& famille_, bool auDemarrage_, QWidget* parent)
    : QDialog(parent), famille(famille_), auDemarrage(auDemarrage_),
      enCours(auDemarrage_ ? 0 : EnfantChoisi() ? EnfantChoisi()->numero : 1)
{
    setObjectName(QStringLiteral("F_Enfants"));
    setWindowTitle(Textes::TitreEnfants);
    setWindowIcon(Icone(QStringLiteral("enfants")));
    numeroFocus = enCours;
    CreerControles();
}

F_Enfants::~F_Enfants() = default;

void F_Enfants::CreerControles()
{
    L_Titre_Principal = CreerEtiquette(this, QStringLiteral("L_Titre_Principal"), QRect(24, 8, 472, 56),
                                       Police(28, false, true, QStringLiteral("Comic Sans MS")), Couleurs::Bleu);
    L_Titre_Principal->setText(Textes::TitreEnfants);
    CreerLigne(this, QStringLiteral("Line1"), 360, 1020, 7440, Couleurs::Bleu);
    L_Consigne = CreerEtiquette(this, QStringLiteral("L_Consigne"), QRect(24, 78, 472, 42), Police(11));
    L_Consigne->setWordWrap(true);
    for (int rang = 0; rang < NbEnfantsMax; ++rang)
        CreerRangee(rang);
    Line2 = CreerLigne(this, QStringLiteral("Line2"), 360, 0, 7440, Couleurs::Bleu);
    B_Ajouter = Bouton(this, QStringLiteral("B_Ajouter"), Textes::AjouterEnfant, QRect(), 12);
    B_Fermer = Bouton(this, QStringLiteral("B_Fermer"), auDemarrage ? Textes::QuitterEnfants : Textes::FermerEnfants,
                      QRect(), 12);
    connect(B_Ajouter, &QPushButton::clicked, this, &F_Enfants::B_Ajouter_Click);
    connect(B_Fermer, &QPushButton::clicked, this, &QDialog::reject);
    DefinirOrdreTabulation();
}

void F_Enfants::CreerRangee(int rang)
{
    const int haut = HautLignes + rang * HauteurLigne;
    Ligne& ligne = lignes[std::size_t(rang)];
    ligne.rang = CreerEtiquette(this, NomIndexe("L_Rang", rang), QRect(16, haut, 36, 48), Police(20.25, true),
                                Couleurs::Bleu, Qt::AlignRight | Qt::AlignVCenter);
    ligne.rang->setText(QString::number(rang + 1));
    ligne.enfant = Bouton(this, NomIndexe("B_Enfant", rang), {}, QRect(62, haut, 250, 48), 20.25);
    ligne.enfant->setAccessibleDescription(Textes::ToucheEnfant(rang + 1));
    ligne.renommer = Bouton(this, NomIndexe("B_Renommer", rang), Textes::RenommerEnfant,
                            QRect(322, haut + 8, 94, 32), 10);
    ligne.retirer = Bouton(this, NomIndexe("B_Retirer", rang), Textes::RetirerEnfant, QRect(422, haut + 8, 74, 32), 10);
    for (QPushButton* bouton : {ligne.enfant, ligne.renommer, ligne.retirer})
        bouton->installEventFilter(this);
    connect(ligne.enfant, &QPushButton::clicked, this, [this, rang] { Choisir(rang); });
    connect(ligne.renommer, &QPushButton::clicked, this, [this, rang] { Renommer(rang); });
    connect(ligne.retirer, &QPushButton::clicked, this, [this, rang] { Retirer(rang); });
}

// Row after row, as the eye reads them, then the commands of the list.
void F_Enfants::DefinirOrdreTabulation()
{
    QList<QWidget*> ordre;
    for (const Ligne& ligne : lignes)
        ordre << ligne.enfant << ligne.renommer << ligne.retirer;
    ordre << B_Ajouter << B_Fermer;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

bool F_Enfants::Form_Load()
{
    if (const QString probleme = famille.Lire(); !probleme.isEmpty()) {
        SignalerProbleme(this, probleme + Textes::EnfantsNonModifiables);
        return false;
    }
    Afficher();
    return true;
}

void F_Enfants::Afficher()
{
    const int nombre = int(famille.enfants().size());
    L_Consigne->setText(nombre == 0 ? Textes::ConsignePremierEnfant : Textes::ConsigneEnfants);
    for (int rang = 0; rang < NbEnfantsMax; ++rang)
        AfficherRangee(rang);
    const int bas = HautLignes + nombre * HauteurLigne + 6;
    Line2->move(Line2->x(), bas);
    B_Ajouter->setGeometry(24, bas + 16, 220, 40);
    B_Fermer->setGeometry(Largeur - 24 - 130, bas + 16, 130, 40);
    B_Ajouter->setEnabled(nombre < NbEnfantsMax);
    setFixedSize(Largeur, bas + 72);
    int focus = 0;
    for (int rang = 0; rang < nombre; ++rang)
        if (famille.enfants()[rang].numero == numeroFocus)
            focus = rang;
    if (nombre > 0)
        lignes[std::size_t(focus)].enfant->setFocus();
    else
        B_Ajouter->setFocus();
}

void F_Enfants::AfficherRangee(int rang)
{
    const Ligne& ligne = lignes[std::size_t(rang)];
    const bool present = rang < famille.enfants().size();
    for (QWidget* controle : {static_cast<QWidget*>(ligne.rang), static_cast<QWidget*>(ligne.enfant),
                              static_cast<QWidget*>(ligne.renommer), static_cast<QWidget*>(ligne.retirer)})
        controle->setVisible(present);
    if (!present)
        return;
    const QString& nom = famille.enfants()[rang].nom;
    ligne.enfant->setText(Legende(nom));
    ligne.renommer->setAccessibleName(Textes::NomRenommer(nom));
    ligne.retirer->setAccessibleName(Textes::NomRetirer(nom));
}

void F_Enfants::Choisir(int rang)
{
    if (rang < 0 || rang >= famille.enfants().size())
        return;
    choisi = famille.enfants()[rang];
    accept();
}

void F_Enfants::Aller(int rang)
{
    const int nombre = int(famille.enfants().size());
    if (nombre > 0)
        lignes[std::size_t((rang + nombre) % nombre)].enfant->setFocus(Qt::TabFocusReason);
}

// The digits 1 to 9 choose the child of that row.
void F_Enfants::keyPressEvent(QKeyEvent* event)
{
    const int chiffre = event->key() - Qt::Key_0;
    if (chiffre >= 1 && chiffre <= 9 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        Choisir(chiffre - 1);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The arrows go from child to child, from anywhere in their rows.
bool F_Enfants::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, event);
    const int touche = static_cast<QKeyEvent*>(event)->key();
    const int pas = touche == Qt::Key_Up ? -1 : touche == Qt::Key_Down ? 1 : 0;
    const auto ligne = std::find_if(lignes.cbegin(), lignes.cend(), [objet](const Ligne& l) {
        return l.enfant == objet || l.renommer == objet || l.retirer == objet;
    });
    if (pas == 0 || ligne == lignes.cend())
        return false;
    Aller(int(ligne - lignes.cbegin()) + pas);
    return true;
}

void F_Enfants::B_Ajouter_Click()
{
    if (const std::optional<QString> nom = DemanderPrenom(Textes::AjouterEnfant, {}, 0))
        Ajouter(*nom);
}

void F_Enfants::Ajouter(const QString& nom)
{
    QString probleme;
    if (famille.Retire(nom)) {
        switch (AfficherMessage(this, {QMessageBox::Question, Textes::AjouterEnfant,
                                       Textes::MessageReprendre(PrenomNettoye(nom)),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                                       QMessageBox::Cancel})) {
        case QMessageBox::Yes: probleme = famille.Reprendre(nom); break;
        case QMessageBox::No: probleme = famille.Ajouter(nom); break;
        default: return;
        }
    } else {
        probleme = famille.Ajouter(nom);
    }
    SignalerProbleme(this, probleme);
    if (const std::optional<Enfant> ajoute = famille.Trouver(nom); probleme.isEmpty() && ajoute)
        numeroFocus = ajoute->numero;
    Afficher();
}

void F_Enfants::Renommer(int rang)
{
    const Enfant enfant = famille.enfants().value(rang);
    const std::optional<QString> nom = DemanderPrenom(Textes::TitreRenommer(enfant.nom), enfant.nom, enfant.numero);
    if (!nom)
        return;
    SignalerProbleme(this, famille.Renommer(enfant.numero, *nom));
    numeroFocus = enfant.numero;
    Afficher();
}

void F_Enfants::Retirer(int rang)
{
    const Enfant enfant = famille.enfants().value(rang);
    if (enfant.numero == enCours) {
        AfficherMessage(this, {QMessageBox::Warning, Textes::TitreRetirerEnfant, Textes::EnfantEnCours(enfant.nom)});
        return;
    }
    if (AfficherMessage(this, {QMessageBox::Warning, Textes::TitreRetirerEnfant,
                               Textes::MessageRetirerEnfant(enfant.nom, Famille::DossierRetires),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
        != QMessageBox::Yes)
        return;
    SignalerProbleme(this, famille.Retirer(enfant.numero));
    Afficher();
}

std::optional<QString> F_Enfants::DemanderPrenom(const QString& titre, const QString& depart, int numero)
{
    for (QString nom = depart;;) {
        QInputDialog dialogue(this);
        dialogue.setObjectName(QStringLiteral("D_Prenom"));
        dialogue.setWindowTitle(titre);
        dialogue.setLabelText(Textes::QuestionPrenom);
        dialogue.setTextValue(nom);
        dialogue.setOkButtonText(Textes::BoutonOk);
        dialogue.setCancelButtonText(Textes::BoutonAnnuler);
        if (dialogue.exec() != QDialog::Accepted)
            return std::nullopt;
        nom = dialogue.textValue();
        QStringList autres;
        for (const Enfant& enfant : famille.enfants())
            if (enfant.numero != numero)
                autres << enfant.nom;
        const QString refus = RefusPrenom(nom, autres);
        if (refus.isEmpty())
            return nom;
        AfficherMessage(this, {QMessageBox::Warning, titre, refus});
    }
}
