// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedLengthLimit.h"

#include <QLineEdit>

TypedLengthLimit::TypedLengthLimit(QLineEdit& edit) : QValidator(&edit), edit_(edit)
{
    lengthBefore_ = edit.text().size();
    connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) { lengthBefore_ = text.size(); });
}

QValidator::State TypedLengthLimit::validate(QString& input, int&) const
{
    // A text the program sets arrives with an empty undo history; the user's
    // edits (typing, pasting, dropping) always leave an undo step behind.
    const bool userEdit = edit_.isUndoAvailable();
    const bool grows = input.size() > lengthBefore_;
    if (userEdit && limit_ > 0 && grows && input.size() > limit_)
        return Invalid;
    return Acceptable;
}
