// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/analysis/interface/AnalysisInterface.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;
class QMainWindow;
class QMenu;

// The menu «Анализ» of the main window, right of «Журнал»: «Характеристики…»
// opens the window «Характеристики», made at the first call with the shapes
// and K the bench then has, and shown again afterwards. The window and the
// chart libraries it draws with live in a module of their own, loaded at
// that first call, so that the program does not load them before its first
// paint. A module that is missing, damaged or of another version gets a
// message, and the program goes on. The same module makes the preview of
// the lab report of a journal (OpenReport), which «Журнал» asks for.
class AnalysisMenu : public QObject {
    Q_OBJECT

public:
    AnalysisMenu(QMainWindow* window, BenchChoiceSource bench);

    void CharacteristicsItemClick();
    // Opens the preview of the lab report of the journal; one at a time, so
    // an earlier one is closed first.
    void OpenReport(const ReportOrder& order);
    // The window, once made.
    QWidget* CharacteristicsWindow() const { return characteristicsWindow_; }
    QWidget* ReportWindow() const { return reportWindow_; }

    QMenu* Menu;
    QAction* CharacteristicsItem;

private:
    QMainWindow* window_;
    AnalysisHost host_;
    QPointer<QWidget> characteristicsWindow_;
    QPointer<QWidget> reportWindow_;
};

// What the module makes.
struct AnalysisFactories {
    CharacteristicsFactory Characteristics = nullptr;
    ReportFactory Report = nullptr;
};

// Tests and probes, which link the windows themselves, make them without the
// module; nullptrs go back to loading it. Returns the factories replaced.
AnalysisFactories SetAnalysisFactories(AnalysisFactories factories);

// Loads the module in the file and returns its factories; nothing, with
// what is wrong in `error`, for a file that is no whole module of this
// version.
std::optional<AnalysisFactories> LoadAnalysisModule(const QString& path, QString& error);
