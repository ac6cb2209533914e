// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

// The dialog «Новый сеанс»: the seed of the new session's bench, taken from
// the clock (as at the program's start) or typed in, the variant an
// instructor assigned to the student. «Начать» is offered only for a seed
// that is a whole number from 0 to 4294967295.
class TNewSessionDialog : public QDialog {
    Q_OBJECT

public:
    explicit TNewSessionDialog(QWidget* owner = nullptr);

    // The seed chosen: the clock's now, or the one typed in.
    uint32_t ChosenSeed() const;

    QRadioButton* ClockSeedButton;
    QRadioButton* TypedSeedButton;
    QLineEdit* SeedField;
    QPushButton* StartButton;
    QPushButton* CancelButton;

private:
    void OfferStart();
    std::optional<uint32_t> TypedSeed() const;
};

// Asks for the seed of a new session; nothing when cancelled. Tests answer
// through the handler below instead of the dialog; an empty handler
// restores the dialog. Returns the previous one.
std::optional<uint32_t> AskNewSessionSeed(QWidget* owner);
using NewSessionQuestion = std::function<std::optional<uint32_t>(QWidget* owner)>;
NewSessionQuestion SetNewSessionQuestion(NewSessionQuestion question);
