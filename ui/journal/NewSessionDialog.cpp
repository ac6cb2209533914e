// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewSessionDialog.h"

#include "bench/NoiseSource.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <charconv>
#include <utility>

namespace {

NewSessionQuestion& Question()
{
    static NewSessionQuestion question;
    return question;
}

} // namespace

TNewSessionDialog::TNewSessionDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName("NewSessionDialog");
    setWindowTitle(tr("Новый сеанс"));
    setAccessibleName(windowTitle());
    setFont(WindowFont());

    auto* explanation = new QLabel(tr("Новый сеанс начинает новый журнал на стенде, заново построенном с "
                                      "начальным числом генератора шума. Сеанс с числом, которое назначил "
                                      "преподаватель, он может проверить командой detector-lab-sweep --verify."),
        this);
    explanation->setWordWrap(true);
    ClockSeedButton = new QRadioButton(tr("Начальное число по часам"), this);
    ClockSeedButton->setObjectName("ClockSeedButton");
    TypedSeedButton = new QRadioButton(tr("Начальное число преподавателя:"), this);
    TypedSeedButton->setObjectName("TypedSeedButton");
    SeedField = new QLineEdit(this);
    SeedField->setObjectName("SeedField");
    SeedField->setAccessibleName(tr("Начальное число преподавателя"));
    SeedField->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), SeedField));
    ClockSeedButton->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    StartButton = buttons->addButton(tr("Начать"), QDialogButtonBox::AcceptRole);
    StartButton->setObjectName("StartButton");
    CancelButton = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName("CancelButton");

    auto* choice = new QGridLayout;
    choice->addWidget(ClockSeedButton, 0, 0, 1, 2);
    choice->addWidget(TypedSeedButton, 1, 0);
    choice->addWidget(SeedField, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(choice);
    layout->addWidget(buttons);
    setFixedWidth(420);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ClockSeedButton, &QRadioButton::toggled, this, &TNewSessionDialog::OfferStart);
    connect(SeedField, &QLineEdit::textChanged, this, [this] {
        TypedSeedButton->setChecked(true);
        OfferStart();
    });
    OfferStart();
}

std::optional<uint32_t> TNewSessionDialog::TypedSeed() const
{
    const QByteArray text = SeedField->text().toLatin1();
    uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), seed);
    if (text.isEmpty() || error != std::errc() || end != text.constData() + text.size())
        return std::nullopt;
    return seed;
}

void TNewSessionDialog::OfferStart()
{
    StartButton->setEnabled(ClockSeedButton->isChecked() || TypedSeed().has_value());
}

uint32_t TNewSessionDialog::ChosenSeed() const
{
    return ClockSeedButton->isChecked() ? ClockSeed() : TypedSeed().value_or(0);
}

std::optional<uint32_t> AskNewSessionSeed(QWidget* owner)
{
    if (Question())
        return Question()(owner);
    TNewSessionDialog dialog(owner);
    if (owner != nullptr)
        CentreWindowOver(&dialog, owner->window());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenSeed();
}

NewSessionQuestion SetNewSessionQuestion(NewSessionQuestion question)
{
    return std::exchange(Question(), std::move(question));
}
