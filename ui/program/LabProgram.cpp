// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabProgram.h"

#include "common/PlainMessage.h"
#include "editfloat/EditFloatUnit.h"
#include "journal/KeptJournal.h"
#include "ui/analysis/opener/AnalysisMenu.h"
#include "ui/help/HelpMenu.h"
#include "ui/journal/JournalMenu.h"

LabProgram::LabProgram(DetectorBench& bench, const MainWindowMaker& makeMainWindow)
    : form1(makeMainWindow ? makeMainWindow(bench) : std::make_unique<TForm1>(nullptr, bench)),
      Journal(new KeptJournal(bench.Seed(), form1.get()))
{
    Form1 = form1.get();
    QObject::connect(form1.get(), &TForm1::MeasurementFinished, Journal, &KeptJournal::Record);
    QObject::connect(Journal, &KeptJournal::KeepFailed, Journal, [](const QString& message) {
        ShowPlainMessage(message);
    });
    Journals = new JournalMenu(form1.get(), *Journal, bench);
    Analysis = new AnalysisMenu(form1.get(), [] {
        return BenchChoice{Form3->Signal1Shape, Form3->Signal2Shape, Form1->EditFloat1->Val()};
    });
    Journals->OpenReport = [analysis = Analysis](const QString& file, const QByteArray& text) {
        analysis->OpenReport({file, text});
    };
    // «Справка» keeps itself the rightmost menu.
    Help = AddHelpMenu(form1.get());

    form2 = std::make_unique<TForm2>();
    Form2 = form2.get();
    form3 = std::make_unique<TForm3>();
    Form3 = form3.get();
}

LabProgram::~LabProgram()
{
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    form3.reset();
    form2.reset();
    form1.reset();
}
