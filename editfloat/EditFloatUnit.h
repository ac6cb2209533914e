// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditFloatHost.h"
#include "EditFloatModel.h"

#include <QLineEdit>

class TypedLengthLimit;

// The numeric entry field: a line edit that holds a number between limits.
// Typed characters pass the keystroke filter; the typed text becomes the value
// only when the owner commits it with GetModify (usually on Exit).
class TEditFloat : public QLineEdit, private EditFloatHost {
    Q_OBJECT

public:
    explicit TEditFloat(QWidget* owner = nullptr);

    bool CorrType() const { return model_.CorrType(); }
    void SetCorrType(bool on) { model_.SetCorrType(on); }
    bool CorrMsg() const { return model_.CorrMsg(); }
    void SetCorrMsg(bool on) { model_.SetCorrMsg(on); }
    bool ExpInp() const { return model_.ExpInp(); }
    void SetExpInp(bool on) { model_.SetExpInp(on); }
    bool GFormat() const { return model_.GFormat(); }
    void SetGFormat(bool on) { model_.SetGFormat(on); }
    double Max() const { return model_.Max(); }
    void SetMax(double max) { model_.SetMax(max); }
    double Min() const { return model_.Min(); }
    void SetMin(double min) { model_.SetMin(min); }
    double Val() const { return model_.Val(); }
    void SetVal(double val) { model_.SetVal(val); }

    // How many characters the user may type or paste; 0 for no limit. Texts
    // the program sets are never cut.
    int MaxLength() const;
    void SetMaxLength(int length);

    // Whether the most recent SetVal0 changed Val.
    bool Modified() const { return model_.Modified(); }

    void SetVal0(double candidate) { model_.SetVal0(candidate); }
    bool GetModify() { return model_.GetModify(); }
    bool TextToVal() { return model_.TextToVal(); }
    void ValToText() { model_.ValToText(); }
    void CorrectText() { model_.CorrectText(); }
    // The keystroke filter on one typed character: set to 0 when discarded.
    void KeyPress(char& key) const { model_.KeyPress(key); }

signals:
    // The field has lost the input focus to another control of its window;
    // to a mouse press, once that press is released (see ExitAtRelease.h).
    void Exit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void ReplaceCharacter(std::size_t index, char c) override;
    std::size_t SelectionStart() const override;
    bool HasSelectedText() const override;
    char DecimalSeparator() const override;
    void ShowMessage(const std::string& text) override;

    TypedLengthLimit* lengthLimit_;
    EditFloatModel model_;
};
