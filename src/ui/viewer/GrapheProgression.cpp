// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrapheProgression.h"

#include "core/Textes.h"
#include "core/storage/MagasinResultats.h"
#include "ui/platform/Accessibilite.h"
#include "ui/platform/Contraste.h"
#include "ui/platform/Controles.h"
#include "ui/platform/Couleurs.h"
#include "ui/results/DessinProgression.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <optional>

namespace {

// As designed on a light palette, the paler bars dark enough to keep 3:1
// against the window. On a dark one the same hues, texts at 4.5:1 and bars
// and lines at 3:1 against the window; the paler bars and the grid fade into
// the window rather than into white.
TeintesProgression TeintesPour(const QPalette& palette)
{
    TeintesProgression t;
    const QColor fond = palette.color(QPalette::Window);
    if (!PaletteSombre(palette)) {
        t.barre = CouleurLisible(t.barre, fond, 3);
        return t;
    }
    t.titre = CouleurLisible(Couleurs::Bleu, fond, 4.5);
    t.vert = CouleurLisible(Couleurs::Vert, fond, 4.5);
    t.barre = CouleurLisible(Melanger(t.vert, fond, 0.5), fond, 3);
    t.noir = CouleurLisible(Couleurs::Noir, fond, 4.5);
    t.axe = CouleurLisible(Couleurs::Gris, fond, 3);
    t.quadrillage = Melanger(t.axe, fond, 0.6);
    t.fondChoisi = QColor(t.titre.red(), t.titre.green(), t.titre.blue(), 40);
    t.point = fond;
    return t;
}

// The table a key chooses from the one shown: the digits 2 to 9, 1 then 0,
// 1 or 2 for 10 to 12, the arrows one table on (all tables come before 2),
// 0 or Home all tables, End the 12. None for any other key.
std::optional<int> LivretDeTouche(int touche, int livret, bool apresUn)
{
    if (apresUn && touche >= Qt::Key_0 && touche <= Qt::Key_2)
        return 10 + (touche - Qt::Key_0);
    const int dernier = PremierLivret + NbLivrets - 1;
    switch (touche) {
    case Qt::Key_0:
    case Qt::Key_Home:
        return TousLesLivrets;
    case Qt::Key_1:
        return livret;   // the first digit of 10, 11 or 12
    case Qt::Key_End:
        return dernier;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return livret == TousLesLivrets ? PremierLivret : std::min(livret + 1, dernier);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return livret <= PremierLivret ? TousLesLivrets : livret - 1;
    default:
        break;
    }
    if (touche >= Qt::Key_2 && touche <= Qt::Key_9)
        return touche - Qt::Key_0;
    return std::nullopt;
}

} // namespace

GrapheProgression::GrapheProgression(MagasinResultats& magasin_, QWidget* parent)
    : QWidget(parent), magasin(magasin_)
{
    DefinirRoleAccessible(this, QAccessible::Chart);
    setObjectName(QStringLiteral("G_Progression"));
    // Reached by Tab, its table chosen by keys; what they are is its help.
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(Textes::AideGraphe);
    setAccessibleName(progression.titre());
}

void GrapheProgression::keyPressEvent(QKeyEvent* event)
{
    const bool apresUn = dizaine;
    dizaine = event->key() == Qt::Key_1 && !apresUn;
    const std::optional<int> livret = LivretDeTouche(event->key(), progression.livret, apresUn);
    if (!livret) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (*livret != progression.livret)
        ChoisirLivret(*livret);
    event->accept();
}

void GrapheProgression::Afficher(const QString& dateHeure_)
{
    dateHeure = dateHeure_;
    Lire();
    update();
}

void GrapheProgression::ChoisirLivret(int livret)
{
    progression.livret = livret;
    Lire();
    update();
}

void GrapheProgression::Redessiner()
{
    Lire();
    repaint();
}

void GrapheProgression::Lire()
{
    progression.points.clear();
    if (!dateHeure.isEmpty()) {
        // A store that fails leaves the chart empty: the viewer tells of the
        // fault where it reads the results.
        const Lecture<QList<PointProgression>> lus = magasin.LireProgression(dateHeure, progression.livret);
        if (lus)
            progression.points = lus.valeur;
    }
    const QString description = progression.description();
    setAccessibleName(progression.titre());
    setAccessibleDescription(description);
    setToolTip(description);
}

void GrapheProgression::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    DessinerProgression(p, rect(), progression, TeintesPour(palette()), {Police(12, true), Police(9), Police(8.25)});
    if (hasFocus()) {
        QStyleOptionFocusRect cadreFocus;
        cadreFocus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &cadreFocus, &p, this);
    }
}
