// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Every message of the program goes through ShowPlainMessage: a modal box with
// the text, one OK button, no icon, the application's title as caption,
// centred on the screen. It returns when the user has closed the box.
void ShowPlainMessage(const QString& text);

// Tests replace the box with a handler that records the text instead of
// blocking. An empty handler restores the real box. Returns the previous one.
using PlainMessageHandler = std::function<void(const QString&)>;
PlainMessageHandler SetPlainMessageHandler(PlainMessageHandler handler);

// Records the messages shown while it lives and puts the previous handler back.
class PlainMessageRecorder {
public:
    PlainMessageRecorder();
    ~PlainMessageRecorder();
    PlainMessageRecorder(const PlainMessageRecorder&) = delete;
    PlainMessageRecorder& operator=(const PlainMessageRecorder&) = delete;

    QStringList messages;

private:
    PlainMessageHandler previous_;
};
