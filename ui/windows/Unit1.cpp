// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "HelloUnit.h"
#include "Unit2.h"
#include "Unit3.h"
#include "common/language/Language.h"
#include "common/PlainMessage.h"
#include "common/WindowFonts.h"
#include "common/WindowPlacement.h"
#include "editfloat/EditFloatUnit.h"
#include "resources/EmbeddedPictures.h"
#include "ui/controls/GroupBox.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureClipboard.h"
#include "ui/controls/PictureImage.h"
#include "ui/support/Comfun.h"
#include "ui/support/SchemeTable.h"
#include "ui/support/ScreenCursor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

TForm1* Form1 = nullptr;

namespace {

constexpr QSize ClientSize(784, 542);
constexpr QPoint SchemePlace(40, 8);
constexpr QSize SchemeSize(687, 300);

// A text marked with QT_TRANSLATE_NOOP in the window's context.
QString Translated(const char* text)
{
    return QCoreApplication::translate("TForm1", text);
}

QPushButton* NewButton(const char* name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

// What a screen reader says of each result display: its name, then its value.
constexpr std::array<const char*, 3> ResultDisplayNames = {QT_TRANSLATE_NOOP("TForm1", "Регистратор, мВ*мВ"),
    QT_TRANSLATE_NOOP("TForm1", "Количество опытов"), QT_TRANSLATE_NOOP("TForm1", "Счётчик")};

// A result display: centred bold italic serif text on white in a sunken
// frame. The text is black whatever the desktop's palette: under a dark one
// its own text colour would be white on the white.
QLabel* NewResultDisplay(const char* name, const QRect& geometry, QWidget* parent)
{
    auto* display = new QLabel(QStringLiteral("0"), parent);
    display->setObjectName(name);
    display->setGeometry(geometry);
    display->setAlignment(Qt::AlignCenter);
    display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display->setLineWidth(2);
    display->setFont(ResultDisplayFont());
    display->setAutoFillBackground(true);
    QPalette palette = display->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    display->setPalette(palette);
    return display;
}

TEditFloat* NewEditFloat(const char* name, const QRect& geometry, QWidget* parent)
{
    auto* field = new TEditFloat(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    return field;
}

// What the schematic for the given positions shows, told in words to a user
// who cannot see it: the positions, and the path that the switches close.
QString SchemeAccessibleName(const SwitchConfiguration& switches)
{
    return QCoreApplication::translate("TForm1",
        "Схема лабораторной установки: К1 в положении %1, К2 в положении %2, К3 в положении %3")
        .arg(switches.K1Index + 1)
        .arg(switches.K2Index + 1)
        .arg(switches.K3Index + 1);
}

QString SchemeAccessibleDescription(const SwitchConfiguration& switches)
{
    constexpr std::array<const char*, 3> filterInputs = {QT_TRANSLATE_NOOP("TForm1", "сигнал 1 с шумом"),
        QT_TRANSLATE_NOOP("TForm1", "сигнал 2 с шумом"), QT_TRANSLATE_NOOP("TForm1", "только шум")};
    constexpr std::array<const char*, 2> decisionInputs = {QT_TRANSLATE_NOOP("TForm1", "разность выходов СФ1 и СФ2"),
        QT_TRANSLATE_NOOP("TForm1", "выход СФ1")};
    constexpr std::array<const char*, 2> outputs = {QT_TRANSLATE_NOOP("TForm1", "пороговое устройство и счётчик"),
        QT_TRANSLATE_NOOP("TForm1", "квадратор, интегратор и регистратор")};
    return TForm1::tr("На согласованные фильтры СФ1 и СФ2 поступает %1; %2 поступает на %3.")
        .arg(Translated(filterInputs.at(static_cast<std::size_t>(switches.K1Index))),
             Translated(decisionInputs.at(static_cast<std::size_t>(switches.K2Index))),
             Translated(outputs.at(static_cast<std::size_t>(switches.K3Index))));
}

QAction* NewMenuItem(QMenu* menu, const char* name, const QIcon& glyph, const QString& caption)
{
    QAction* item = menu->addAction(glyph, caption);
    item->setObjectName(name);
    return item;
}

QAction* NewSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

}  // namespace

TForm1::TForm1(QWidget* owner, DetectorBench& bench)
    : QMainWindow(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                             | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      bench_(bench)
{
    setObjectName("Form1");
    setWindowTitle(tr("Лабораторная работа № 4. Исследование различителя сигналов. Учебный стенд 2010"));
    // The splash first: it is on the screen sooner, and the display draws it
    // (its animated cursor too) while the controls are being built.
    auto* splash = new THelloForm();
    splash->show();
    splash->repaint();

    setFont(WindowFont());
    BuildControls();
    BuildMenus();
    FixDesignedSize();

    FormCreate();
}

// The controls are created in their tab order: the bench's three commands,
// the two fields, then the schematic.
void TForm1::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setMinimumSize(ClientSize);
    setCentralWidget(client);

    GroupBox1 = NewGroupBox("GroupBox1", tr("  Лабораторная установка  "), {8, 312, 761, 217}, client);
    GroupBox2 = NewGroupBox("GroupBox2", tr("  Конфигурация  "), {8, 16, 245, 113}, GroupBox1);
    Button1 = NewButton("Button1", tr("Положение ключей"), {40, 16, 161, 25}, GroupBox2);
    Button2 = NewButton("Button2", tr("Сигналы"), {40, 48, 161, 25}, GroupBox2);
    Button3 = NewButton("Button3", tr("Выполнить измерение"), {40, 80, 161, 25}, GroupBox2);

    GroupBox3 = NewGroupBox("GroupBox3", tr("  Коэффициент усиления K  "), {256, 16, 245, 113}, GroupBox1);
    EditFloat1 = NewEditFloat("EditFloat1", {16, 48, 209, 21}, GroupBox3);
    EditFloat1->SetMaxLength(8);
    EditFloat1->setText(QStringLiteral("1"));
    EditFloat1->SetCorrMsg(true);
    EditFloat1->SetMax(1000);
    EditFloat1->SetVal(1);

    GroupBox4 = NewGroupBox("GroupBox4", tr("  Порог принятия решения H, мВ"), {504, 16, 250, 113}, GroupBox1);
    EditFloat2 = NewEditFloat("EditFloat2", {16, 48, 217, 21}, GroupBox4);
    EditFloat2->SetMaxLength(8);
    EditFloat2->setText(QStringLiteral("0"));
    EditFloat2->SetCorrMsg(true);
    EditFloat2->SetMax(1000);

    GroupBox5 = NewGroupBox("GroupBox5", tr("  Регистратор  мВ*мВ"), {8, 136, 245, 65}, GroupBox1);
    StaticText1 = NewResultDisplay("StaticText1", {16, 24, 209, 25}, GroupBox5);
    GroupBox6 = NewGroupBox("GroupBox6", tr("  Количество опытов  "), {256, 136, 245, 65}, GroupBox1);
    StaticText2 = NewResultDisplay("StaticText2", {16, 24, 209, 25}, GroupBox6);
    GroupBox7 = NewGroupBox("GroupBox7", tr("  Счётчик  "), {504, 136, 250, 65}, GroupBox1);
    StaticText3 = NewResultDisplay("StaticText3", {16, 24, 217, 25}, GroupBox7);

    // The white panel that carries the schematic.
    Panel1 = new TPanel("Panel1", {8, 0, 761, 313}, client);
    Panel1->SetColor(Qt::white);
    for (std::size_t slot = 0; slot < SchemeTable.size(); ++slot) {
        const SwitchConfiguration& switches = SchemeTable[slot].Switches;
        auto* image = new TImage(
            SchemePicturePath(switches.K1Index + 1, switches.K2Index + 1, switches.K3Index + 1, ProgramLanguage()),
            QRect(SchemePlace, SchemeSize), Panel1);
        image->setObjectName(SchemeTable[slot].ImageName);
        image->setAccessibleName(SchemeAccessibleName(switches));
        image->setAccessibleDescription(SchemeAccessibleDescription(switches));
        // Reached by Tab, so that its popup menu opens from the keyboard; a
        // click on it leaves the focus, and an uncommitted field, alone.
        image->setFocusPolicy(Qt::TabFocus);
        image->setVisible(slot == 0);
        SchemeImages[slot] = image;
    }

    NameForAccessibility();

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(EditFloat1, &TEditFloat::Exit, this, &TForm1::EditFloat1Exit);
    connect(EditFloat2, &TEditFloat::Exit, this, &TForm1::EditFloat2Exit);
}

// The names that assistive technology reads out for the controls.
void TForm1::NameForAccessibility()
{
    for (QPushButton* button : {Button1, Button2, Button3})
        button->setAccessibleName(button->text());
    EditFloat1->setAccessibleName(tr("Коэффициент усиления K"));
    EditFloat2->setAccessibleName(tr("Порог принятия решения H, мВ"));
    NameResultDisplays();
    // The frames' captions without the blanks that space them on the screen.
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3, GroupBox4, GroupBox5, GroupBox6, GroupBox7})
        box->setAccessibleName(box->title().simplified());
    GroupBox5->setAccessibleName(Translated(ResultDisplayNames[0]));
    Panel1->setAccessibleName(tr("Схема лабораторной установки"));
}

void TForm1::BuildMenus()
{
    const QIcon copyGlyph = MenuGlyphIcon(MenuGlyph::Copy);
    const QIcon saveGlyph = MenuGlyphIcon(MenuGlyph::Save);
    const QIcon switchesGlyph = MenuGlyphIcon(MenuGlyph::Switches);
    const QIcon signalsGlyph = MenuGlyphIcon(MenuGlyph::Signals);
    const QIcon measureGlyph = MenuGlyphIcon(MenuGlyph::Measure);

    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    N1 = MainMenu1->addMenu(tr("Файл"));
    N1->setObjectName("N1");
    N3 = NewMenuItem(N1, "N3", copyGlyph, tr("Копировать схему лабораторной установки"));
    N4 = NewMenuItem(N1, "N4", saveGlyph, tr("Сохранить схему лабораторной установки"));
    N15 = NewSeparator(N1, "N15");
    N5 = NewMenuItem(N1, "N5", MenuGlyphIcon(MenuGlyph::Exit), tr("Выход"));
    N2 = MainMenu1->addMenu(tr("Лабораторная установка"));
    N2->setObjectName("N2");
    N6 = NewMenuItem(N2, "N6", switchesGlyph, tr("Положение ключей"));
    N7 = NewMenuItem(N2, "N7", signalsGlyph, tr("Сигналы"));
    N8 = NewMenuItem(N2, "N8", measureGlyph, tr("Выполнить измерение"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N9 = NewMenuItem(PopupMenu1, "N9", copyGlyph, tr("Копировать схему лабораторной установки"));
    N10 = NewMenuItem(PopupMenu1, "N10", saveGlyph, tr("Сохранить схему лабораторной установки"));
    N11 = NewSeparator(PopupMenu1, "N11");
    N12 = NewMenuItem(PopupMenu1, "N12", switchesGlyph, tr("Положение ключей"));
    N13 = NewMenuItem(PopupMenu1, "N13", signalsGlyph, tr("Сигналы"));
    N14 = NewMenuItem(PopupMenu1, "N14", measureGlyph, tr("Выполнить измерение"));
    for (TImage* image : SchemeImages)
        image->SetPopupMenu(PopupMenu1);

    for (QAction* item : {N3, N9})
        connect(item, &QAction::triggered, this, &TForm1::N3Click);
    for (QAction* item : {N4, N10})
        connect(item, &QAction::triggered, this, &TForm1::N4Click);
    connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    for (QAction* item : {N6, N12})
        connect(item, &QAction::triggered, this, &TForm1::Button1Click);
    for (QAction* item : {N7, N13})
        connect(item, &QAction::triggered, this, &TForm1::Button2Click);
    for (QAction* item : {N8, N14})
        connect(item, &QAction::triggered, this, &TForm1::Button3Click);
}

// Not resizable: the designed client area plus the menu bar, except while
// maximised, when the window takes the screen and the controls stay put.
void TForm1::FixDesignedSize()
{
    const QSize designed(ClientSize.width(), ClientSize.height() + MainMenu1->sizeHint().height());
    setMinimumSize(designed);
    setMaximumSize(isMaximized() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : designed);
}

void TForm1::FormCreate()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        ApplyMaximiseRule(screen->geometry(), screen->availableGeometry());
}

void TForm1::ApplyMaximiseRule(const QRect& screen, const QRect& available)
{
    if (screen.width() <= 800 || screen.height() <= 600) {
        setWindowState(windowState() | Qt::WindowMaximized);
        FixDesignedSize();
        return;
    }
    const QPoint centred(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
    move(FittedTopLeft(QRect(centred, FrameSize(this)), available));
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        FixDesignedSize();
}

// Windows that stay on top, the splash among them, stay above the main window
// also where no window manager keeps them there.
void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            window->raise();
}

// Closing the main window ends the program, even while the splash is open.
void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}

void TForm1::Button1Click()
{
    Form2->exec();
}

void TForm1::Button2Click()
{
    Form3->exec();
}

void TForm1::Button3Click()
{
    SetScreenCursor(crHourGlass);
    MeasurementInputs inputs;
    inputs.Signal1Shape = Form3->Signal1Shape;
    inputs.Signal2Shape = Form3->Signal2Shape;
    inputs.Gain = EditFloat1->Val();
    inputs.Threshold = EditFloat2->Val();
    inputs.Switches = Form2->Switches();
    const std::optional<MeasurementResult> result = bench_.Measure(inputs, this);
    SetScreenCursor(crDefault);
    // Announced before any message waits for the student: a program ended
    // then has lost no record of it.
    emit MeasurementFinished(inputs, result.value_or(MeasurementResult{}));
    if (!result)
        ShowPlainMessage(tr("Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы."));
}

void TForm1::PublishResult(double registerReading, int32_t trials, int32_t counter)
{
    StaticText1->setText(FloatToText(2, registerReading));
    StaticText2->setText(QString::number(trials));
    StaticText3->setText(QString::number(counter));
    NameResultDisplays();
}

// A screen reader reads a display's name, not its text: the name carries
// the value ("Счётчик: 504").
void TForm1::NameResultDisplays()
{
    QLabel* const displays[] = {StaticText1, StaticText2, StaticText3};
    for (size_t i = 0; i < std::size(displays); ++i)
        displays[i]->setAccessibleName(Translated(ResultDisplayNames[i]) + QStringLiteral(": ") + displays[i]->text());
}

void TForm1::N3Click()
{
    if (const TImage* image = CurrentSchemeImage())
        CopyImageToClipboard(image);
}

void TForm1::N4Click()
{
    if (TImage* image = CurrentSchemeImage())
        SaveImageAsBitmap(image);
}

void TForm1::N5Click()
{
    QCoreApplication::quit();
}

void TForm1::EditFloat1Exit()
{
    EditFloat1->GetModify();
}

void TForm1::EditFloat2Exit()
{
    EditFloat2->GetModify();
}

TImage* TForm1::SchemeImage(const SwitchConfiguration& switches) const
{
    const int slot = SchemeSlot(switches);
    return slot < 0 ? nullptr : SchemeImages[static_cast<std::size_t>(slot)];
}

TImage* TForm1::CurrentSchemeImage() const
{
    return SchemeImage(Form2->Switches());
}
