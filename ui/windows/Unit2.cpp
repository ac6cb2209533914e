// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

#include "Unit1.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"
#include "ui/controls/PictureImage.h"
#include "ui/controls/RadioGroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <utility>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Положение ключей "));
    setFont(WindowFont());
    setFixedSize(193, 173);

    RadioGroup1 = new TRadioGroup(tr("  К1  "), {"1", "2", "3"}, QRect(8, 8, 49, 105), this);
    RadioGroup2 = new TRadioGroup(tr("  К2  "), {"1", "2"}, QRect(72, 8, 49, 105), this);
    RadioGroup3 = new TRadioGroup(tr("  К3  "), {"1", "2"}, QRect(136, 8, 49, 105), this);
    Button1 = new QPushButton(tr("Готово"), this);
    Button1->setGeometry(8, 128, 177, 33);
    Button1->setAutoDefault(false);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup3->setObjectName("RadioGroup3");
    Button1->setObjectName("Button1");
    NameForAccessibility();

    for (TRadioGroup* group : {RadioGroup1, RadioGroup2, RadioGroup3})
        connect(group, &TRadioGroup::Click, this, &TForm2::RadioGroup1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    K1Index = 0;
    K2Index = 0;
    K3Index = 0;
}

// The names that assistive technology reads out: "Ключ К1" for a group,
// "Ключ К1, положение 2" for its items.
void TForm2::NameForAccessibility()
{
    const std::array<std::pair<TRadioGroup*, QString>, 3> switches = {{
        {RadioGroup1, tr("Ключ К1")},
        {RadioGroup2, tr("Ключ К2")},
        {RadioGroup3, tr("Ключ К3")},
    }};
    for (const auto& [group, name] : switches) {
        group->setAccessibleName(name);
        for (int index = 0; QRadioButton* item = group->Item(index); ++index)
            item->setAccessibleName(tr("%1, положение %2").arg(name).arg(index + 1));
    }
    Button1->setAccessibleName(Button1->text());
}

void TForm2::ShowSchemeImage(bool visible)
{
    if (Form1 == nullptr)
        return;
    if (QWidget* image = Form1->SchemeImage(Switches()))
        image->setVisible(visible);
}

// A keyboard user who had the focus on the schematic keeps it on the new one.
void TForm2::RadioGroup1Click()
{
    const QWidget* old = Form1 != nullptr ? Form1->SchemeImage(Switches()) : nullptr;
    const bool schemeFocused = old != nullptr && old->window()->focusWidget() == old;
    ShowSchemeImage(false);
    K1Index = RadioGroup1->ItemIndex();
    K2Index = RadioGroup2->ItemIndex();
    K3Index = RadioGroup3->ItemIndex();
    ShowSchemeImage(true);
    if (schemeFocused)
        if (QWidget* current = Form1->SchemeImage(Switches()))
            current->setFocus(Qt::OtherFocusReason);
}

void TForm2::Button1Click()
{
    reject();
}

void TForm2::setVisible(bool visible)
{
    if (visible && Form1 != nullptr)
        CentreWindowOver(this, Form1);
    QDialog::setVisible(visible);
}
