// The main window as the tests drive it: a fixture that opens it in a
// working folder of its own with chance and clock under the test's control,
// and what it shows read back as short texts.
#pragma once

#include "Factices.h"
#include "Magasin.h"
#include "Outils.h"
#include "ui/mainwindow/F_Calkado.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

inline const QColor Bleu(0, 0, 255), Gris(128, 128, 128), Rouge(255, 0, 0), VertVif(0, 255, 0);

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

inline QString nom(const char* tableau, int i) { return QString("%1_%2").arg(tableau).arg(i); }
inline QStringList noms(const char* tableau, int n)
{
    QStringList r;
    for (int i = 0; i < n; ++i) r << nom(tableau, i);
    return r;
}

// The chance behind the phrase of the j-th tested answer, and that phrase.
inline float hasardPhrase(int j) { return float((j % 10) / 10.0 + 0.05); }
inline QString phrase(const QStringList& table, int j) { return table.at(int(double(table.size()) * double(hasardPhrase(j)))); }

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
    // folder with or without its results store.
    explicit Fenetre(QList<Repondeur::Reponse> reponses = {{QMessageBox::Ok, 0}}, bool avecBase = true)
        : repondeur(std::move(reponses)), dossier(true, avecBase)
    {
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
    T* ctrl(const QString& n) const
    {
        T* c = f.findChild<T*>(n);
        if (!c)
            qFatal("Contrôle introuvable : %s", qPrintable(n));
        return c;
    }
    QString texte(const QString& n) const { return ctrl<QLabel>(n)->text(); }
    QColor couleur(const QString& n) const
    {
        const QWidget* c = ctrl(n);
        return c->palette().color(c->foregroundRole());
    }
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
    QStringList textes(const QStringList& noms, const QString& suffixe = {}) const
    {
        QStringList r;
        for (const QString& n : noms)
            r << texte(n + suffixe);
        return r;
    }
    QStringList colonne(int i) const { return textes(Lignes, QString("_%1").arg(i)); }

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
};

inline void tic(QTimer* minuterie) { QVERIFY(QMetaObject::invokeMethod(minuterie, "timeout")); }
