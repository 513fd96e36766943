// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DelegueFait.h"

#include <QPainter>

void DelegueFait::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem sansSelection = option;
    sansSelection.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(p, sansSelection, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    p->save();
    p->setPen(QPen(index.data(Qt::ForegroundRole).value<QColor>(), 3));
    p->drawRect(option.rect.adjusted(2, 2, -2, -2));
    p->restore();
}
