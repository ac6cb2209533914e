// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalUnit.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <functional>

class DetectorBench;
class KeptJournal;
class QAction;
class QMainWindow;
class QMenu;

// The menu «Журнал» of the main window, right of «Лабораторная установка»:
// «Журнал измерений» shows the window of the session's journal, made at the
// first call and shown again afterwards; «Новый сеанс…» starts a new
// journal on the bench built anew with a seed from the clock or typed in;
// «Продолжить сеанс…» goes on with the session of a journal file; «Отчёт…»
// previews the lab report of the session's journal, «Открыть журнал…» that
// of a journal file chosen.
class JournalMenu : public QObject {
    Q_OBJECT

public:
    JournalMenu(QMainWindow* window, KeptJournal& journal, DetectorBench& bench);

    void JournalItemClick();
    void NewSessionItemClick();
    void ContinueSessionItemClick();
    void ReportItemClick();
    void OpenJournalItemClick();
    // Goes on with the session of the journal in the file, or says why not.
    void ContinueSession(const QString& path);
    // The window, once made.
    TJournalForm* JournalWindow() const { return journalWindow_; }

    QMenu* Menu;
    QAction* JournalItem;
    QAction* NewSessionItem;
    QAction* ContinueSessionItem;
    QAction* ReportItem;
    QAction* OpenJournalItem;

    // Opens the lab report's preview of a journal: its file (empty for a
    // session not kept) and, for the session's, its text. Set by the program.
    std::function<void(const QString& file, const QByteArray& text)> OpenReport;

private:
    QMainWindow* window_;
    KeptJournal& journal_;
    DetectorBench& bench_;
    QPointer<TJournalForm> journalWindow_;
};
