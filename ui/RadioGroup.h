#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

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
