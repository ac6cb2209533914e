// SPDX-License-Identifier: GPL-3.0-or-later
#include "TheoryWindow.h"

#include "common/language/Language.h"
#include "common/WindowPlacement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// About 80 characters of the text's serif face to a line, and as tall as a
// screen of 1024 x 768 comfortably takes.
constexpr QSize DesignedSize(740, 620);

// The text in the serif face of the result displays, large enough for the
// sub- and superscripts of the formulas to stay legible.
QFont TextFont()
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(17);
    return font;
}

}  // namespace

TTheoryWindow::TTheoryWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName("TheoryWindow");
    setWindowTitle(tr("Теория — различение сигналов"));
    setAccessibleName(windowTitle());
    resize(DesignedSize);

    Text = new QTextBrowser(this);
    Text->setObjectName("TheoryText");
    Text->setAccessibleName(windowTitle());
    Text->setAccessibleDescription(tr("Текст теории. Tab переходит по ссылкам оглавления, Enter открывает раздел, "
                                      "Escape закрывает окно."));
    Text->document()->setDefaultFont(TextFont());
    Text->setOpenLinks(true);
    Text->setOpenExternalLinks(false);
    Text->setSource(QUrl(ProgramLanguage() == Language::English ? QStringLiteral("qrc:/help/theory_en.html")
                                                                : QStringLiteral("qrc:/help/theory.html")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text);
    setFocusProxy(Text);
}

TTheoryWindow* TTheoryWindow::Open(QWidget* owner)
{
    auto* window = owner->findChild<TTheoryWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new TTheoryWindow(owner);
    window->ShowInFront();
    return window;
}

void TTheoryWindow::ShowInFront()
{
    const QWidget* modal = QApplication::activeModalWidget();
    const bool blocked = modal != nullptr && modal != this;
    // The modality of a shown window cannot change: it is shown anew.
    if (blocked && isVisible())
        hide();
    if (!isVisible())
        setWindowModality(blocked ? Qt::ApplicationModal : Qt::NonModal);
    if (!placed_) {
        CentreWindowOnScreen(this);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    Text->setFocus(Qt::OtherFocusReason);
}

void TTheoryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
