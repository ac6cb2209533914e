// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the program's remembering, for the test of settings that last:
//   settings-helper write FOLDER   chooses files in FOLDER in the real save
//                                  and open dialogs, types a report's title
//                                  block and builds a characteristic
//   settings-helper read           prints where each dialog now opens, the
//                                  title block and the window's choices
#include "editfloat/EditFloatUnit.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/report/ReportTitleDialog.h"
#include "ui/support/OpenJournalDialog.h"
#include "ui/support/SavePictureDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Answers the dialog that `ask` opens: chooses `file` in it, or, with no
// file, notes the folder it opened in and cancels it.
QString Answer(const std::function<void()>& ask, const QString& file = {})
{
    QString openedIn;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<QFileDialog*>(window) != nullptr)
                dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr)
            return;
        if (openedIn.isEmpty())
            openedIn = dialog->directory().absolutePath();
        if (file.isEmpty()) {
            poll.stop();
            dialog->reject();
            return;
        }
        // Typed as a user would: selectFile() leaves alone a name field
        // that has the focus.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start();
    ask();
    poll.stop();
    return openedIn;
}

void Print(const char* name, const QString& value)
{
    std::printf("%s=%s\n", name, value.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool write = mode == QStringLiteral("write");
    const auto file = [&](const char* name) { return write ? folder + '/' + QString::fromUtf8(name) : QString(); };

    if (write) {
        // The journals' dialog opens existing files only.
        QFile journal(folder + QStringLiteral("/j.csv"));
        if (!journal.open(QIODevice::WriteOnly))
            return 1;
    }
    Print("tables", Answer([] { ChooseTableFile(nullptr); }, file("t.csv")));
    Print("pictures", Answer([] { ChooseBitmapFileName(nullptr); }, file("p.bmp")));
    Print("reports", Answer([] { ChooseReportFileName(nullptr, QStringLiteral("pdf")); }, file("r.pdf")));
    Print("journals", Answer([] { ChooseJournalFile(nullptr, QStringLiteral("/")); }, file("j.csv")));

    if (write)
        RememberReportTitle({QStringLiteral("Сидоров П. П."), QStringLiteral("РТ-23"), QStringLiteral("01.01.2027")});
    const report::ReportTitle title = RememberedReportTitle();
    Print("title", title.Student + '|' + title.Group);

    AnalysisHost host;
    host.Bench = [] { return BenchChoice{}; };
    host.ShowMessage = [](const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); };
    TCharacteristicsForm window(host, nullptr);
    if (write) {
        window.DrawingChoice->setCurrentIndex(3);
        window.FromField->SetVal(1.0);
        window.ToField->SetVal(3.0);
        window.StepField->SetVal(1.0);
        window.TrialsChoice->setCurrentIndex(0);
        QSignalSpy ended(&window, &TCharacteristicsForm::RunEnded);
        window.BuildClick();
        if (!ended.wait(60000))
            return 1;
    }
    Print("characteristics", QStringLiteral("%1 %2 %3 %4 %5")
                                 .arg(window.DrawingChoice->currentIndex())
                                 .arg(window.FromField->Val())
                                 .arg(window.ToField->Val())
                                 .arg(window.StepField->Val())
                                 .arg(window.TrialsChoice->currentData().toInt()));
    return 0;
}
