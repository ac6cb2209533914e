// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalUnit.h"

#include <QObject>
#include <QPointer>

class KeptJournal;
class QAction;
class QMainWindow;
class QMenu;

// The menu «Журнал» of the main window, right of «Лабораторная установка»:
// «Журнал измерений» shows the window of the session's journal, made at the
// first call and shown again afterwards.
class JournalMenu : public QObject {
    Q_OBJECT

public:
    JournalMenu(QMainWindow* window, const KeptJournal& journal);

    void JournalItemClick();
    // The window, once made.
    TJournalForm* JournalWindow() const { return journalWindow_; }

    QMenu* Menu;
    QAction* JournalItem;

private:
    QMainWindow* window_;
    const KeptJournal& journal_;
    QPointer<TJournalForm> journalWindow_;
};
