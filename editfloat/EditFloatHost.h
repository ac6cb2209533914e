// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// What the field's value model needs of the edit control that shows it.
// Texts are single-byte; a character the control cannot give as one byte
// comes out as a byte that no number contains.
class EditFloatHost {
public:
    virtual std::string Text() const = 0;
    // Both writers change the control only when the text really changes.
    virtual void SetText(const std::string& text) = 0;
    virtual void ReplaceCharacter(std::size_t index, char c) = 0;
    virtual std::size_t SelectionStart() const = 0;
    virtual bool HasSelectedText() const = 0;
    virtual char DecimalSeparator() const = 0;
    // Shows a message (UTF-8, '\n' for a line break) and returns once it is closed.
    virtual void ShowMessage(const std::string& text) = 0;

protected:
    ~EditFloatHost() = default;
};
