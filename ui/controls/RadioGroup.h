// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// Makes the selected button of the group its one stop for Tab, now and after
// every change of selection, so that Tab into the group lands on the selected
// button; the arrow keys move within the group.
void KeepTabStopOnCheckedButton(QButtonGroup* group);

// A framed group of radio buttons, one column, of which exactly one is
// selected. Click is raised whenever the selected item changes, by mouse or
// keyboard; ItemIndex is the 0-based index of the selected item.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(const QString& caption, const QStringList& items, const QRect& geometry, QWidget* parent);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;

signals:
    void Click();

private:
    QButtonGroup* buttons_;
};
