// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalMenu.h"

#include "JournalUnit.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

JournalMenu::JournalMenu(QMainWindow* window, const KeptJournal& journal)
    : QObject(window), window_(window), journal_(journal)
{
    Menu = window->menuBar()->addMenu(QStringLiteral("Журнал"));
    Menu->setObjectName("JournalMenu");
    JournalItem = Menu->addAction(QStringLiteral("Журнал измерений"));
    JournalItem->setObjectName("JournalItem");
    connect(JournalItem, &QAction::triggered, this, &JournalMenu::JournalItemClick);
}

void JournalMenu::JournalItemClick()
{
    if (journalWindow_ == nullptr)
        journalWindow_ = new TJournalForm(journal_, window_);
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}
