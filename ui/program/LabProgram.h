// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Bench.h"
#include "ui/windows/Unit1.h"
#include "ui/windows/Unit2.h"
#include "ui/windows/Unit3.h"

#include <functional>
#include <memory>

class AnalysisMenu;
class JournalMenu;
class KeptJournal;
class QMenu;

// The laboratory program as it starts: the main window (which opens the
// splash), the switch-position and signal-selection dialogs, each in its
// module-level variable while it lives; the session's journal, which keeps
// every measurement the main window announces; and, right of the bench's
// own menus, «Журнал», «Анализ» and «Справка».
class LabProgram {
public:
    using MainWindowMaker = std::function<std::unique_ptr<TForm1>(DetectorBench&)>;

    // The measurements run on the given bench; a test may make the main
    // window itself.
    explicit LabProgram(DetectorBench& bench = Bench, const MainWindowMaker& makeMainWindow = {});
    ~LabProgram();
    LabProgram(const LabProgram&) = delete;
    LabProgram& operator=(const LabProgram&) = delete;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    // Owned by the main window, as the menus are.
    KeptJournal* Journal;
    JournalMenu* Journals;
    AnalysisMenu* Analysis;
    QMenu* Help;
};
