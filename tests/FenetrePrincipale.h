// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as the tests drive them: a fixture that opens the main window
// in a working folder of its own with chance and clock under the test's
// control, and what the windows and the message boxes show read back as
// short texts.
#pragma once

#include "Factices.h"
#include "Magasin.h"
#include "Outils.h"
#include "ui/mainwindow/F_Calkado.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

inline const QColor Bleu(0, 0, 255), Gris(128, 128, 128), Rouge(255, 0, 0), VertVif(0, 255, 0);
inline const Repondeur::Reponse Oui{QMessageBox::Yes, 0}, Non{QMessageBox::No, 0}, Annuler{QMessageBox::Cancel, 0},
    Ok{QMessageBox::Ok, 0}, Entree{QMessageBox::NoButton, Qt::Key_Return};

// The run states as the buttons, the choice of tables and the hint show them:
// "*" enabled and default, "+" enabled, "-" disabled.
inline const QString EtatAucunLivret = "&S'entraîner | Entrainement- Nouveau- Test- Résultat- | choix ouvert | indication active";
inline const QString EtatPret = "&S'entraîner | Entrainement* Nouveau- Test- Résultat- | choix ouvert | indication active";
inline const QString EtatRepondu = "&Interrompre | Entrainement+ Nouveau* Test- Résultat- | choix fermé | indication cachée";
inline const QString EtatQuestion = "&Interrompre | Entrainement+ Nouveau- Test* Résultat- | choix fermé | indication cachée";
inline const QString EtatQuestionAide = "&Interrompre | Entrainement+ Nouveau- Test+ Résultat* | choix fermé | indication cachée";

inline const QStringList Lignes = {"L_NbQuestion", "L_NbQuestionEssai1", "L_Temps", "L_NbQuestionEssai2", "L_NbQuestionRéponse"};
inline const QStringList Totaux = {"L_NbQuestionTotal", "L_NbQuestionEssai1Total", "L_TempsTotal",
                            "L_NbQuestionEssai2Total", "L_NbQuestionRéponseTotal"};
inline const QStringList Titres = {"Nombre de questions", "OK au 1er essai", "OK 2ème essai ou +", "Réponse fournie",
                            "Temps 1er essai", "Total"};
inline const QStringList ZoneQuestion = {"L_Terme1", "L_Fois", "L_Terme2", "L_Egal", "T_Résultat", "L_Vérification", "L_Time"};
inline const QStringList CommandesResultats = {"B_Aide", "B_Consulter", "B_Raz", "B_Enregistrer", "B_Bilan"};

inline QString nom(const QString& tableau, int i) { return QString("%1_%2").arg(tableau).arg(i); }
inline QStringList noms(const QString& tableau, int n)
{
    QStringList r;
    for (int i = 0; i < n; ++i) r << nom(tableau, i);
    return r;
}

// A control of a window by its name; the test program stops without it.
template<typename T = QWidget>
T* enfant(const QWidget* fenetre, const QString& n)
{
    if (T* c = fenetre->findChild<T*>(n))
        return c;
    qFatal("Contrôle introuvable : %s", qPrintable(n));
}
inline QColor couleur(const QWidget* c) { return c->palette().color(QPalette::Active, c->foregroundRole()); }
inline QStringList textes(const QWidget* fenetre, const QStringList& noms, const QString& suffixe = {})
{
    QStringList r;
    for (const QString& n : noms)
        r << enfant<QLabel>(fenetre, n + suffixe)->text();
    return r;
}

// The labels of a window's results table: cells column by column, totals, headings.
inline QList<QLabel*> etiquettesTableau(const QWidget* fenetre)
{
    QList<QLabel*> r;
    for (int i = 0; i < 11; ++i)
        for (const QString& ligne : Lignes)
            r << enfant<QLabel>(fenetre, nom(ligne, i));
    for (const QString& n : Totaux + noms("L_Titre", 6))
        r << enfant<QLabel>(fenetre, n);
    return r;
}
// Their texts; a hidden one reads "caché".
inline QStringList tableau(const QWidget* fenetre)
{
    QStringList r;
    for (const QLabel* e : etiquettesTableau(fenetre))
        r << (e->isVisible() ? e->text() : "caché");
    return r;
}

// A control's font, text colour and, for a label, its horizontal alignment:
// "Arial 20.25 gras #0000ff droite".
inline QString style(const QWidget* c)
{
    const QFont p = c->font();
    QString s = p.family() + " " + QString::number(p.pointSizeF()) + (p.bold() ? " gras" : "")
              + (p.italic() ? " italique" : "") + " " + couleur(c).name();
    if (const auto* e = qobject_cast<const QLabel*>(c))
        s += e->alignment() & Qt::AlignRight ? " droite" : e->alignment() & Qt::AlignHCenter ? " centre" : " gauche";
    return s;
}

// The layout of a window's results table by its rules, not its coordinates:
// each table's number over its column, the cells' right edges on the
// number's, its check box (if any) between them; each row on one line in its
// colour, its heading on its left, its total on its right, below the row
// before; "Total" over the totals. No two controls that take the focus
// overlap, and nothing leaves the window.
inline void verifierDisposition(const QWidget* fenetre)
{
    const auto place = [fenetre](const QWidget* c) { return QRect(c->mapTo(fenetre, QPoint()), c->size()); };
    const auto de = [&](const QString& n) { return place(enfant(fenetre, n)); };
    const QStringList couleurs = {"#000000", "#008000", "#008000", "#c04000", "#ff0000"};
    for (int l = 0; l < 5; ++l) {
        const QString titre = nom("L_Titre", QList{0, 1, 4, 2, 3}[l]);
        QRect avant = de(titre);
        QVERIFY(avant.top() > de(l ? nom(Lignes[l - 1], 0) : "L_Livret_0").bottom());
        QCOMPARE(style(enfant(fenetre, titre)), "Arial 14.25 " + couleurs[l] + " gauche");
        for (const QString& n : noms(Lignes[l], 11) + QStringList{Totaux[l]}) {
            const QRect p = de(n);
            QVERIFY2(p.top() == avant.top() && p.height() == avant.height() && p.left() > avant.right(), qPrintable(n));
            QCOMPARE(n + " " + style(enfant(fenetre, n)), n + " Arial 14.25 " + couleurs[l] + " droite");
            avant = p;
        }
    }
    for (int i = 0; i < 11; ++i) {
        const QRect livret = de(nom("L_Livret", i)), cellule = de(nom(Lignes[0], i));
        QVERIFY2(qAbs(livret.right() - cellule.right()) <= 1 && livret.bottom() < cellule.top(), qPrintable(nom("L_Livret", i)));
        if (const QWidget* coche = fenetre->findChild<QCheckBox*>(nom("C_Livret", i)))
            QVERIFY(livret.left() <= place(coche).left() && place(coche).right() <= livret.right()
                    && livret.bottom() < place(coche).top() && place(coche).bottom() < cellule.top());
    }
    QVERIFY(qAbs(de("L_Titre_5").right() - de(Totaux[0]).right()) <= 1 && de("L_Titre_5").bottom() < de(Totaux[0]).top());
    const QList<QWidget*> tous = fenetre->findChildren<QWidget*>();
    for (const QWidget* c : tous) {
        QVERIFY2(fenetre->rect().contains(place(c)), qPrintable(c->objectName()));
        for (const QWidget* d : tous)
            QVERIFY2(c == d || c->focusPolicy() == Qt::NoFocus || d->focusPolicy() == Qt::NoFocus
                         || !place(c).intersects(place(d)), qPrintable(c->objectName() + " / " + d->objectName()));
    }
}

// The fonts by the rules of the design: the heading in Comic Sans MS 36
// italic, blue; every other text in Arial, one font to a row of the design
// (the controls with a text whose top edges are level).
inline void verifierPolices(const QWidget* fenetre)
{
    QMap<int, QList<QWidget*>> rangees;
    for (QWidget* c : fenetre->findChildren<QWidget*>()) {
        const auto* etiquette = qobject_cast<QLabel*>(c);
        if ((etiquette && etiquette->pixmap().isNull()) || qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c))
            rangees[c->mapTo(fenetre, QPoint()).y()] << c;
    }
    const QWidget* titre = enfant(fenetre, "L_Titre_Principal");
    QCOMPARE(style(titre).section(' ', 0, 5), QString("Comic Sans MS 36 italique #0000ff"));
    for (const QList<QWidget*>& rangee : std::as_const(rangees))
        for (const QWidget* c : rangee) {
            QVERIFY2(c == titre || c->font().family() == "Arial", qPrintable(c->objectName()));
            QVERIFY2(c->font() == rangee.first()->font(), qPrintable(c->objectName() + " / " + rangee.first()->objectName()));
        }
}

// A message box in one line: its title, icon, text and button captions, the
// default button of a choice and its escape button if set, "non modale"
// unless it blocks the whole program.
inline QString boite(const MessageVu& vu)
{
    const QMap<int, QString> mots = {{QMessageBox::Yes, "Oui"}, {QMessageBox::No, "Non"}, {QMessageBox::Cancel, "Annuler"}, {QMessageBox::Ok, "OK"}};
    const QStringList icones = {"sans icône", "information", "avertissement", "critique", "question"};
    QStringList boutons = vu.textesBoutons;
    boutons.sort();
    QString r = QStringList{vu.titre, icones.value(vu.icone), vu.texte, boutons.join('/')}.join(" | ");
    if (boutons.size() > 1)
        r += " | défaut " + mots.value(vu.defaut) + (vu.echappement ? ", échap " + mots.value(vu.echappement) : "");
    return vu.applicationModale ? r : r + " | non modale";
}
inline QStringList boites(const QList<MessageVu>& vus)
{
    QStringList r;
    for (const MessageVu& vu : vus)
        r << boite(vu);
    return r;
}

// A fault of the store: critical, under the program's title, OK alone, and
// saying the words given.
inline void verifierPanne(const MessageVu& vu, const QStringList& mots)
{
    QCOMPARE(boite(vu), "Calkado | critique | " + vu.texte + " | OK");
    for (const QString& mot : mots)
        QVERIFY2(vu.texte.contains(mot), qPrintable(mot + " absent de : " + vu.texte));
}

// The chance behind the phrase of the j-th tested answer.
inline float hasardPhrase(int j) { return float((j % 10) / 10.0 + 0.05); }

// Chance that asks the given questions in turn at random: multiplier, and rank
// of the table among the ticked ones. A refill takes 100 numbers for the
// multipliers, then 100 for the tables; the phrases come after.
inline std::function<float(int)> questions(const QList<QPoint>& q)
{
    return [q](int n) {
        if (n < 100)
            return n < q.size() ? float((q[n].x() - 0.5) / 1000) : 0.5f;
        if (n < 200)
            return n - 100 < q.size() ? float((q[n - 100].y() - 0.5) / 1000) : 0.5f;
        return hasardPhrase(n - 200);
    };
}

struct Fenetre
{
    // Message boxes answered in turn as given (OK by default), in a working
    // folder with or without its results store. Saves are dated by the
    // window's clock: 14 March 2026, 10:00:05.8, local time.
    explicit Fenetre(QList<Repondeur::Reponse> reponses = {Ok}, bool avecBase = true)
        : repondeur(std::move(reponses)), dossier(true, avecBase)
    {
        horloge.date = QDateTime(QDate(2026, 3, 14), QTime(10, 0, 5, 800));
    }

    Repondeur repondeur;   // no box is ever left waiting; the tests read what it saw
    DossierProgramme dossier;
    HasardFactice hasard;
    HorlogeFactice horloge;
    F_Calkado f{&hasard, &horloge};

    // Loaded, shown, active, and its first activation done.
    bool ouvrir() { return f.Form_Load() && montrer(); }
    bool montrer()
    {
        f.show();
        return QTest::qWaitFor([this] { return ctrl("B_Consulter")->isEnabled(); }) && activer();
    }
    // Offscreen, a box that closes gives the activation back to no window; a
    // desktop gives it back to the main window.
    bool activer()
    {
        f.activateWindow();
        return QTest::qWaitForWindowActive(&f);
    }

    template<typename T = QWidget>
    T* ctrl(const QString& n) const { return enfant<T>(&f, n); }
    QString texte(const QString& n) const { return ctrl<QLabel>(n)->text(); }
    QColor couleur(const QString& n) const { return ::couleur(ctrl(n)); }
    QLineEdit* reponse() const { return ctrl<QLineEdit>("T_Résultat"); }
    QTimer* timer(const QString& n) const { return ctrl<QTimer>(n); }
    // Those of the controls named that pass the test (visible, enabled...).
    QStringList ceux(const QStringList& noms, bool (QWidget::*test)() const) const
    {
        QStringList r;
        for (const QString& n : noms)
            if ((ctrl(n)->*test)())
                r << n;
        return r;
    }
    QStringList textes(const QStringList& noms) const { return ::textes(&f, noms); }
    QStringList colonne(int i) const { return ::textes(&f, Lignes, QString("_%1").arg(i)); }

    QWidget* focus()
    {
        activer();
        return QApplication::focusWidget() ? QApplication::focusWidget() : &f;
    }
    void entree() { QTest::keyClick(focus(), Qt::Key_Return); }
    void repondre(const QString& s) { QTest::keyClicks(focus(), s); entree(); }
    void repondreJuste() { repondre(QString::number(texte("L_Terme1").toInt() * texte("L_Terme2").toInt())); }
    QString question() const { return texte("L_Terme1") + "x" + texte("L_Terme2"); }

    // What the child reads after a test: the phrase, its colour, the tries.
    QString retour() const
    {
        const QColor c = couleur("L_Vérification");
        const QString teinte = c == Bleu ? "bleu" : c == Rouge ? "rouge" : c == VertVif ? "vert" : c.name();
        return texte("L_Vérification") + " | " + teinte + " | " + texte("L_NbEssais");
    }

    // A click where the child would click: on the box of a check box or an option.
    void cliquer(const QString& n)
    {
        QWidget* c = ctrl(n);
        const bool boite = qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c);
        QTest::mouseClick(c, Qt::LeftButton, {}, boite ? QPoint(7, c->height() / 2) : c->rect().center());
    }

    QString etat() const
    {
        QString s = ctrl<QPushButton>("B_Entrainement")->text() + " |";
        for (const QString n : {"B_Entrainement", "B_Nouveau", "B_Test", "B_Résultat"}) {
            const auto* b = ctrl<QPushButton>(n);
            s += " " + n.mid(2) + (!b->isEnabled() ? "-" : b->isDefault() ? "*" : "+");
        }
        const QStringList choix = QStringList{"Fr_Multiplicateur", "L_Mul", "O_1a10", "O_1a12", "C_Aléatoire", "C_Revoir"}
                                + noms("C_Livret", 11);
        const auto ouverts = ceux(choix, &QWidget::isEnabled).size();
        s += ouverts == choix.size() ? " | choix ouvert" : ouverts == 0 ? " | choix fermé" : " | choix mixte";
        s += timer("Timer2")->isActive() ? " | indication active"
           : ctrl("L_Sélection")->isVisible() ? " | indication figée" : " | indication cachée";
        return s;
    }

    // The choice of tables and options, as the boxes and the number colours tell it.
    QString selection() const
    {
        QStringList coches, couleurs;
        for (int i = 0; i < 11; ++i) {
            if (ctrl<QCheckBox>(nom("C_Livret", i))->isChecked())
                coches << QString::number(i + 2);
            const QColor c = couleur(nom("L_Livret", i));
            couleurs << (c == Bleu ? "b" : c == Gris ? "g" : "?");
        }
        return "cochés " + coches.join(',') + " ; couleurs " + couleurs.join("")
             + (ctrl<QRadioButton>("O_1a10")->isChecked() ? " ; 1-10" : "")
             + (ctrl<QRadioButton>("O_1a12")->isChecked() ? " ; 1-12" : "")
             + (ctrl<QCheckBox>("C_Aléatoire")->isChecked() ? " ; aléatoire" : " ; dans l'ordre");
    }

    // Tables ticked and options chosen with the mouse, then Enter starts the
    // run and Enter asks its first question.
    void commencer(const QList<int>& tables, bool de1a10, bool aleatoire)
    {
        for (const int table : tables)
            cliquer(nom("C_Livret", table - 2));
        if (de1a10)
            cliquer("O_1a10");
        if (!aleatoire)
            cliquer("C_Aléatoire");
        entree();
        entree();
    }
    // The run started as commencer() does, then each move settles the question
    // asked: "tenths:gestures", '=' the right answer, 'x' a wrong one (never
    // the same twice), '?' Enter to be given the answer; Enter asks the next.
    // The run is then interrupted, unless it is to be left going.
    void jouer(const QList<int>& tables, bool de1a10, bool aleatoire, const QStringList& coups, bool interrompre = true)
    {
        commencer(tables, de1a10, aleatoire);
        int faux = 0;
        for (qsizetype i = 0; i < coups.size(); ++i) {
            if (i > 0)
                entree();
            horloge.ms += coups[i].section(':', 0, 0).toInt() * 100;
            for (const QChar geste : coups[i].section(':', 1))
                geste == '=' ? repondreJuste() : geste == 'x' ? repondre(QString::number(1000 + faux++)) : entree();
        }
        if (interrompre)
            cliquer("B_Entrainement");
    }
};

inline void tic(QTimer* minuterie) { QVERIFY(QMetaObject::invokeMethod(minuterie, "timeout")); }

// Does what opens the modal window named (F_Consulter, F_Bilan); once it is up
// and shown, the action runs on it, and a window that a failed check left open
// is closed. Says whether it came up.
inline bool modale(const QString& nom, const std::function<void()>& ouvrir, const std::function<void(QDialog*)>& action)
{
    bool ouverte = false;
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != nom || !d->isVisible())
            return;
        attente.stop();
        ouverte = true;
        action(d);
        if (d->isVisible())
            d->reject();
    });
    attente.start(1);
    ouvrir();
    return ouverte;
}
