// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit3.h"

#include "common/WindowPlacement.h"
#include "resources/EmbeddedPictures.h"
#include "ui/controls/GroupBox.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureClipboard.h"
#include "ui/controls/PictureImage.h"
#include "ui/controls/RadioGroup.h"
#include "ui/support/Comfun.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

TForm3* Form3 = nullptr;

namespace {

constexpr QSize clientSize(385, 481);
constexpr QPoint screenPosition(483, 167);
constexpr QRect panelGeometry(8, 16, 324, 194);
constexpr QSize signalPictureSize(304, 174);
// The four pictures of a group lie stacked, each 4 pixels up and left of the one before.
constexpr std::array<int, 4> pictureOffsets = {16, 12, 8, 4};
constexpr std::array<QRect, 4> radioButtonGeometries = {
    QRect(336, 40, 33, 17), QRect(336, 80, 41, 17), QRect(336, 120, 41, 17), QRect(336, 160, 41, 17)};

bool IsShape(std::int32_t shape)
{
    return shape >= 1 && shape <= 4;
}

QString Numbered(const char* kind, int number)
{
    return QString::fromLatin1(kind) + QString::number(number);
}

// A text marked with QT_TRANSLATE_NOOP in the window's context.
QString Translated(const char* text)
{
    return QCoreApplication::translate("TForm3", text);
}

// The course of each shape over the burst, as read out for its picture.
constexpr std::array<const char*, 4> shapeCourses = {QT_TRANSLATE_NOOP("TForm3", "+1 на всей длительности"),
    QT_TRANSLATE_NOOP("TForm3", "+1, затем −1"), QT_TRANSLATE_NOOP("TForm3", "−1 на всей длительности"),
    QT_TRANSLATE_NOOP("TForm3", "−1, затем +1")};
// The shape's value in the first and in the second half of the burst.
constexpr std::array<std::pair<const char*, const char*>, 4> shapeHalves = {
    {{"+1", "+1"}, {"+1", "−1"}, {"−1", "−1"}, {"−1", "+1"}}};

QString ShapeCourse(std::int32_t shape)
{
    return Translated(shapeCourses[static_cast<std::size_t>(shape - 1)]);
}

// What a signal picture shows, told in words to a user who cannot see it.
void NameSignalImage(TImage* image, int signal, std::int32_t shape)
{
    const auto& [firstHalf, secondHalf] = shapeHalves[static_cast<std::size_t>(shape - 1)];
    image->setAccessibleName(TForm3::tr("Сигнал %1, форма %2: %3").arg(signal).arg(shape).arg(ShapeCourse(shape)));
    image->setAccessibleDescription(
        TForm3::tr("График s%1(t), В, от −50 до 100 мс: от 0 до 25 мс %2, от 25 до 50 мс %3, в остальное время 0.")
            .arg(shape)
            .arg(QString::fromUtf8(firstHalf), QString::fromUtf8(secondHalf)));
}

// The pictures of shapes 1 to 4 of one signal, all with the group's popup menu.
std::array<TImage*, 4> NewSignalImages(int signal, TPanel* panel, QMenu* menu, std::int32_t shownShape)
{
    std::array<TImage*, 4> images{};
    for (int shape = 1; shape <= 4; ++shape) {
        const int offset = pictureOffsets[static_cast<std::size_t>(shape - 1)];
        auto* image = new TImage(SignalPicturePath(signal, shape), QRect(QPoint(offset, offset), signalPictureSize), panel);
        image->setObjectName(Numbered("Image", signal * 10 + shape));
        NameSignalImage(image, signal, shape);
        // Reached by Tab, so that its popup menu opens from the keyboard.
        image->setFocusPolicy(Qt::TabFocus);
        image->SetPopupMenu(menu);
        image->setVisible(shape == shownShape);
        images[static_cast<std::size_t>(shape - 1)] = image;
    }
    return images;
}

std::array<QRadioButton*, 4> NewRadioButtons(int signal, int firstNumber, QGroupBox* box, QButtonGroup* group)
{
    std::array<QRadioButton*, 4> buttons{};
    for (int shape = 1; shape <= 4; ++shape) {
        auto* button = new QRadioButton(QString::number(shape), box);
        button->setObjectName(Numbered("RadioButton", firstNumber + shape - 1));
        button->setAccessibleName(TForm3::tr("Сигнал %1, форма %2").arg(signal).arg(shape));
        button->setAccessibleDescription(ShapeCourse(shape));
        button->setGeometry(radioButtonGeometries[static_cast<std::size_t>(shape - 1)]);
        group->addButton(button, shape);
        buttons[static_cast<std::size_t>(shape - 1)] = button;
    }
    KeepTabStopOnCheckedButton(group);
    return buttons;
}

QMenu* NewPopupMenu(const QString& name, QWidget* parent, QAction*& copy, QAction*& save)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    copy = menu->addAction(MenuGlyphIcon(MenuGlyph::Copy), TForm3::tr("Копировать рисунок"));
    save = menu->addAction(MenuGlyphIcon(MenuGlyph::Save), TForm3::tr("Сохранить рисунок"));
    return menu;
}

}  // namespace

// The controls are created in their tab order: the picture and the shapes of
// signal 1, those of signal 2, then "Готово".
TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Сигналы"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(clientSize);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);

    PopupMenu1 = NewPopupMenu(QStringLiteral("PopupMenu1"), this, N1, N2);
    PopupMenu2 = NewPopupMenu(QStringLiteral("PopupMenu2"), this, N3, N4);

    GroupBox1 = NewGroupBox(QStringLiteral("GroupBox1"), tr("  Cигнал1  "), QRect(0, 0, 385, 217), this);
    Panel1 = new TPanel(QStringLiteral("Panel1"), panelGeometry, GroupBox1);
    images1_ = NewSignalImages(1, Panel1, PopupMenu1, 1);
    RadioGroup1 = new QButtonGroup(GroupBox1);
    const auto buttons1 = NewRadioButtons(1, 1, GroupBox1, RadioGroup1);

    GroupBox2 = NewGroupBox(QStringLiteral("GroupBox2"), tr("  Cигнал2  "), QRect(0, 216, 385, 209), this);
    Panel2 = new TPanel(QStringLiteral("Panel2"), panelGeometry, GroupBox2);
    images2_ = NewSignalImages(2, Panel2, PopupMenu2, 2);
    RadioGroup2 = new QButtonGroup(GroupBox2);
    const auto buttons2 = NewRadioButtons(2, 5, GroupBox2, RadioGroup2);

    Button1 = new QPushButton(tr("Готово"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(112, 440, 153, 33);
    Button1->setAutoDefault(false);
    Button1->setAccessibleName(Button1->text());

    Image11 = images1_[0], Image12 = images1_[1], Image13 = images1_[2], Image14 = images1_[3];
    Image21 = images2_[0], Image22 = images2_[1], Image23 = images2_[2], Image24 = images2_[3];
    RadioButton1 = buttons1[0], RadioButton2 = buttons1[1], RadioButton3 = buttons1[2], RadioButton4 = buttons1[3];
    RadioButton5 = buttons2[0], RadioButton6 = buttons2[1], RadioButton7 = buttons2[2], RadioButton8 = buttons2[3];
    RadioButton1->setChecked(true);
    RadioButton6->setChecked(true);

    const std::array<std::pair<QRadioButton*, void (TForm3::*)()>, 8> radioHandlers = {{
        {RadioButton1, &TForm3::RadioButton1Click},
        {RadioButton2, &TForm3::RadioButton2Click},
        {RadioButton3, &TForm3::RadioButton3Click},
        {RadioButton4, &TForm3::RadioButton4Click},
        {RadioButton5, &TForm3::RadioButton5Click},
        {RadioButton6, &TForm3::RadioButton6Click},
        {RadioButton7, &TForm3::RadioButton7Click},
        {RadioButton8, &TForm3::RadioButton8Click},
    }};
    for (const auto& [button, handler] : radioHandlers) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    }
    connect(N1, &QAction::triggered, this, &TForm3::N1Click);
    connect(N2, &QAction::triggered, this, &TForm3::N2Click);
    connect(N3, &QAction::triggered, this, &TForm3::N3Click);
    connect(N4, &QAction::triggered, this, &TForm3::N4Click);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);

    Signal1Shape = 1;
    Signal2Shape = 2;
}

TImage* TForm3::SignalImage(int signal, std::int32_t shape) const
{
    if (!IsShape(shape) || (signal != 1 && signal != 2))
        return nullptr;
    return (signal == 1 ? images1_ : images2_)[static_cast<std::size_t>(shape - 1)];
}

void TForm3::SetSignal1Shape(std::int32_t shape)
{
    SetSignalShape(1, shape);
}

void TForm3::SetSignal2Shape(std::int32_t shape)
{
    SetSignalShape(2, shape);
}

void TForm3::SetSignalShape(int signal, std::int32_t shape)
{
    std::int32_t& stored = signal == 1 ? Signal1Shape : Signal2Shape;
    if (TImage* old = SignalImage(signal, stored))
        old->hide();
    stored = shape;
    if (TImage* shown = SignalImage(signal, stored))
        shown->show();
}

TImage* TForm3::ShownImage(int signal) const
{
    return SignalImage(signal, signal == 1 ? Signal1Shape : Signal2Shape);
}

void TForm3::CopyShownImage(int signal) const
{
    if (const TImage* image = ShownImage(signal))
        CopyImageToClipboard(image);
}

void TForm3::SaveShownImage(int signal) const
{
    if (TImage* image = ShownImage(signal))
        SaveImageAsBitmap(image);
}

void TForm3::Button1Click()
{
    reject();
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setFixedSize(clientSize);
    PlaceWindow(this, screenPosition);
    QAbstractButton* shape = RadioGroup1->checkedButton();
    if (focusWidget() == nullptr && shape != nullptr)
        shape->setFocus(Qt::TabFocusReason);
}
