// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFloatUnit.h"

#include "ExitAtRelease.h"
#include "KeyFilter.h"
#include "TypedLengthLimit.h"
#include "common/DecimalSeparator.h"
#include "common/PlainMessage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <array>

namespace {

// Stands for a character that has no single-byte form; no number holds it.
constexpr char kForeignCharacter = '\x1a';

char SingleByte(QChar c)
{
    return c.unicode() <= 0xff ? static_cast<char>(c.unicode()) : kForeignCharacter;
}

// Keys that edit or move without typing a character reach the line edit as
// they are; Qt gives some of them a text (Delete "\x7f", Ctrl+C "\x03").
bool TypesNoCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        break;
    }
    static constexpr std::array kEditingShortcuts{
        QKeySequence::Copy,           QKeySequence::Cut,               QKeySequence::Paste,
        QKeySequence::Undo,           QKeySequence::Redo,              QKeySequence::SelectAll,
        QKeySequence::Deselect,       QKeySequence::DeleteEndOfLine,   QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteStartOfWord, QKeySequence::DeleteCompleteLine, QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine, QKeySequence::MoveToNextChar,   QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord, QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine, QKeySequence::SelectNextChar,   QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
    };
    for (const auto shortcut : kEditingShortcuts)
        if (event.matches(shortcut))
            return true;
    return event.text().isEmpty();
}

// The characters a key types; Backspace, Enter and Escape by their codes.
QString TypedText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QString(QChar(kBackspace));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        return event.text();
    }
}

}  // namespace

TEditFloat::TEditFloat(QWidget* owner)
    : QLineEdit(owner), lengthLimit_(new TypedLengthLimit(*this)), model_(*this)
{
    setValidator(lengthLimit_);
    // Every typed character arrives as a key event and meets the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

int TEditFloat::MaxLength() const
{
    return lengthLimit_->Limit();
}

void TEditFloat::SetMaxLength(int length)
{
    lengthLimit_->SetLimit(length);
}

void TEditFloat::keyPressEvent(QKeyEvent* event)
{
    if (TypesNoCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = TypedText(*event);
    if (typed.size() == 1) {
        char key = SingleByte(typed.front());
        KeyPress(key);
        if (key != 0)
            QLineEdit::keyPressEvent(event);
        else
            event->accept();  // discarded: it reaches neither the line edit nor the window
        return;
    }
    // Composed input: each character meets the filter on the text the ones before it left.
    for (const QChar c : typed) {
        char key = SingleByte(c);
        KeyPress(key);
        if (key != 0) {
            QKeyEvent single(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(), QString(c));
            QLineEdit::keyPressEvent(&single);
        }
    }
    event->accept();
}

void TEditFloat::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup menu taking the focus leaves the field current in its window.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (event->reason() == Qt::MouseFocusReason && QApplication::mouseButtons() != Qt::NoButton)
        ExitAtRelease(this, QApplication::focusWidget(), [this] { emit Exit(); });
    else
        emit Exit();
}

std::string TEditFloat::Text() const
{
    const QString current = text();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(current.size()));
    for (const QChar c : current)
        bytes += SingleByte(c);
    return bytes;
}

void TEditFloat::SetText(const std::string& newText)
{
    const QString replacement = QString::fromLatin1(newText);
    if (replacement != text())
        setText(replacement);
}

void TEditFloat::ReplaceCharacter(std::size_t index, char c)
{
    QString current = text();
    const auto pos = static_cast<qsizetype>(index);
    if (pos >= current.size() || current[pos] == QLatin1Char(c))
        return;
    current[pos] = QLatin1Char(c);
    setText(current);
}

std::size_t TEditFloat::SelectionStart() const
{
    return static_cast<std::size_t>(hasSelectedText() ? selectionStart() : cursorPosition());
}

bool TEditFloat::HasSelectedText() const
{
    return hasSelectedText();
}

char TEditFloat::DecimalSeparator() const
{
    return LocaleDecimalSeparator();
}

void TEditFloat::ShowMessage(const std::string& message)
{
    ShowPlainMessage(QCoreApplication::translate("EditFloatMessages", message.c_str()));
}
