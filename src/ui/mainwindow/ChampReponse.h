// SPDX-FileCopyrightText: 2026 L'équipe Calkado <equipe@calkado.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The answer box: only digits reach it, whether typed, pasted or dropped.
// Any other typed character, control characters included, is refused with
// the warning sound; Backspace and Enter pass, and so do the keys that move
// the caret or delete, which type no character.
#pragma once

#include <QLineEdit>

class ChampReponse : public QLineEdit
{
    Q_OBJECT

public:
    explicit ChampReponse(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
