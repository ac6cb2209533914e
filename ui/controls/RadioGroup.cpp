// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

// The items share the room below the caption evenly, one above the other.
constexpr int ItemsLeft = 8;
constexpr int ItemsTop = 14;
constexpr int ItemsRightMargin = 2;

void MakeTabStop(const QButtonGroup* group, const QAbstractButton* checked)
{
    for (QAbstractButton* button : group->buttons()) {
        const int policy = button == checked ? button->focusPolicy() | Qt::TabFocus
                                             : button->focusPolicy() & ~Qt::TabFocus;
        button->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
    }
}

}  // namespace

void KeepTabStopOnCheckedButton(QButtonGroup* group)
{
    if (const QAbstractButton* checked = group->checkedButton())
        MakeTabStop(group, checked);
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton* button, bool checked) {
        if (checked)
            MakeTabStop(group, button);
    });
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, const QRect& geometry, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    setGeometry(geometry);
    const int count = static_cast<int>(items.size());
    const int itemHeight = count > 0 ? (geometry.height() - ItemsTop) / count : 0;
    for (int index = 0; index < count; ++index) {
        auto* button = new QRadioButton(items[index], this);
        button->setGeometry(ItemsLeft, ItemsTop + index * itemHeight,
                            geometry.width() - ItemsLeft - ItemsRightMargin, itemHeight);
        buttons_->addButton(button, index);
    }
    SetItemIndex(0);
    KeepTabStopOnCheckedButton(buttons_);
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit Click();
    });
}

int TRadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* button = buttons_->button(index))
        button->setChecked(true);
}

QRadioButton* TRadioGroup::Item(int index) const
{
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}
