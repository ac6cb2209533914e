// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalMenu.h"

#include "JournalUnit.h"
#include "NewSessionDialog.h"
#include "bench/DetectorBench.h"
#include "common/PlainMessage.h"
#include "journal/KeptJournal.h"
#include "ui/support/OpenJournalDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

JournalMenu::JournalMenu(QMainWindow* window, KeptJournal& journal, DetectorBench& bench)
    : QObject(window), window_(window), journal_(journal), bench_(bench)
{
    Menu = window->menuBar()->addMenu(tr("Журнал"));
    Menu->setObjectName("JournalMenu");
    JournalItem = Menu->addAction(tr("Журнал измерений"));
    JournalItem->setObjectName("JournalItem");
    Menu->addSeparator();
    NewSessionItem = Menu->addAction(tr("Новый сеанс…"));
    NewSessionItem->setObjectName("NewSessionItem");
    ContinueSessionItem = Menu->addAction(tr("Продолжить сеанс…"));
    ContinueSessionItem->setObjectName("ContinueSessionItem");
    Menu->addSeparator();
    ReportItem = Menu->addAction(tr("Отчёт…"));
    ReportItem->setObjectName("ReportItem");
    OpenJournalItem = Menu->addAction(tr("Открыть журнал…"));
    OpenJournalItem->setObjectName("OpenJournalItem");
    connect(JournalItem, &QAction::triggered, this, &JournalMenu::JournalItemClick);
    connect(NewSessionItem, &QAction::triggered, this, &JournalMenu::NewSessionItemClick);
    connect(ContinueSessionItem, &QAction::triggered, this, &JournalMenu::ContinueSessionItemClick);
    connect(ReportItem, &QAction::triggered, this, &JournalMenu::ReportItemClick);
    connect(OpenJournalItem, &QAction::triggered, this, &JournalMenu::OpenJournalItemClick);
}

void JournalMenu::JournalItemClick()
{
    if (journalWindow_ == nullptr)
        journalWindow_ = new TJournalForm(journal_, window_);
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}

void JournalMenu::NewSessionItemClick()
{
    if (const std::optional<uint32_t> seed = AskNewSessionSeed(window_)) {
        bench_ = DetectorBench(*seed);
        journal_.StartSession(*seed);
    }
}

void JournalMenu::ContinueSessionItemClick()
{
    if (const std::optional<QString> path = ChooseJournalFile(window_, KeptJournal::Folder()))
        ContinueSession(*path);
}

void JournalMenu::ContinueSession(const QString& path)
{
    if (const QString refusal = journal_.ContinueSession(path, bench_); !refusal.isEmpty())
        ShowPlainMessage(refusal);
}

void JournalMenu::ReportItemClick()
{
    if (OpenReport)
        OpenReport(journal_.IsKept() ? journal_.KeptPath() : QString(), QByteArray::fromStdString(journal_.CsvText()));
}

void JournalMenu::OpenJournalItemClick()
{
    if (!OpenReport)
        return;
    if (const std::optional<QString> path
        = ChooseJournalFile(window_, KeptJournal::Folder(), tr("Открыть журнал")))
        OpenReport(*path, {});
}
