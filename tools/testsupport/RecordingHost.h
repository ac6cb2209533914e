// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editfloat/EditFloatHost.h"

#include <string>
#include <vector>

// A stand-in for the edit control: a plain text, a caret or selection, a
// separator, and the messages it was asked to show.
class RecordingHost final : public EditFloatHost {
public:
    std::string text;
    std::size_t selectionStart = 0;
    bool hasSelection = false;
    char separator = '.';
    std::vector<std::string> messages;
    int textChanges = 0;

    std::string Text() const override { return text; }
    void SetText(const std::string& newText) override
    {
        if (newText != text) {
            text = newText;
            ++textChanges;
        }
    }
    void ReplaceCharacter(std::size_t index, char c) override
    {
        if (index < text.size() && text[index] != c) {
            text[index] = c;
            ++textChanges;
        }
    }
    std::size_t SelectionStart() const override { return selectionStart; }
    bool HasSelectedText() const override { return hasSelection; }
    char DecimalSeparator() const override { return separator; }
    void ShowMessage(const std::string& message) override { messages.push_back(message); }
};
