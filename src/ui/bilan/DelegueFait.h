// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The cells of the grid of the facts: the current cell is framed, not
// filled, so that its state's colour stays seen.
#pragma once

#include <QStyledItemDelegate>

class DelegueFait : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
