#include "Unit2.h"

#include "PictureImage.h"
#include "RadioGroup.h"
#include "Unit1.h"
#include "WindowFonts.h"

#include <QPushButton>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Положение ключей "));
    setFont(WindowFont());
    setFixedSize(193, 173);

    RadioGroup1 = new TRadioGroup(QStringLiteral("  К1  "), {"1", "2", "3"}, QRect(8, 8, 49, 105), this);
    RadioGroup2 = new TRadioGroup(QStringLiteral("  К2  "), {"1", "2"}, QRect(72, 8, 49, 105), this);
    RadioGroup3 = new TRadioGroup(QStringLiteral("  К3  "), {"1", "2"}, QRect(136, 8, 49, 105), this);
    Button1 = new QPushButton(QStringLiteral("Готово"), this);
    Button1->setGeometry(8, 128, 177, 33);
    Button1->setAutoDefault(false);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup3->setObjectName("RadioGroup3");
    Button1->setObjectName("Button1");

    for (TRadioGroup* group : {RadioGroup1, RadioGroup2, RadioGroup3})
        connect(group, &TRadioGroup::Click, this, &TForm2::RadioGroup1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    K1Index = 0;
    K2Index = 0;
    K3Index = 0;
}

void TForm2::ShowSchemeImage(bool visible)
{
    if (Form1 == nullptr)
        return;
    if (QWidget* image = Form1->SchemeImage(Switches()))
        image->setVisible(visible);
}

void TForm2::RadioGroup1Click()
{
    ShowSchemeImage(false);
    K1Index = RadioGroup1->ItemIndex();
    K2Index = RadioGroup2->ItemIndex();
    K3Index = RadioGroup3->ItemIndex();
    ShowSchemeImage(true);
}

void TForm2::Button1Click()
{
    reject();
}

void TForm2::setVisible(bool visible)
{
    if (visible && Form1 != nullptr)
        move(Form1->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::setVisible(visible);
}
