// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChampReponse.h"

#include "ui/platform/Son.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <limits>

namespace {

bool laisseePasser(const QKeyEvent& touche)
{
    switch (touche.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:   // deletes, types nothing
        return true;
    default:
        break;
    }
    const QString texte = touche.text();
    if (texte.isEmpty())
        return true;       // caret keys, function keys, modifiers alone
    for (const QChar c : texte)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

ChampReponse::ChampReponse(QWidget* parent)
    : QLineEdit(parent)
{
    // Pasting and dropping go through the validator: text holding anything
    // but digits is refused whole.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    // No length limit: an answer of any length is read and tested whole.
    setMaxLength(std::numeric_limits<int>::max());
}

void ChampReponse::keyPressEvent(QKeyEvent* event)
{
    if (laisseePasser(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    Bip();
    event->accept();
}
