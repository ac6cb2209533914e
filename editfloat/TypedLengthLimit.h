// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// The limit on what the user may type or paste into a line edit. Unlike the
// line edit's own maximum length it never cuts a text that the program sets,
// and an edit that does not lengthen the text (a deletion) is always allowed.
class TypedLengthLimit : public QValidator {
    Q_OBJECT

public:
    explicit TypedLengthLimit(QLineEdit& edit);

    int Limit() const { return limit_; }
    void SetLimit(int limit) { limit_ = limit; }  // 0: no limit

    State validate(QString& input, int& pos) const override;

private:
    const QLineEdit& edit_;
    int limit_ = 0;
    qsizetype lengthBefore_ = 0;
};
