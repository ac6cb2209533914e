// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/options/InformationOptions.h"
#include "common/options/SessionOptions.h"
#include "common/settings/ProgramSettings.h"
#include "resources/EmbeddedPictures.h"
#include "ui/detector-lab-manual.h"
#include "ui/journal/JournalMenu.h"
#include "ui/program/LabProgram.h"
#include "ui/support/Application.h"
#include "ui/program/ProgramLanguage.h"

#include <QPointer>
#include <clocale>
#include <csignal>
#include <iostream>
#include <memory>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace {

// Windows that outlive the three forms, such as a splash still open when the
// program ends, are destroyed with them.
void DestroyRemainingWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : TApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

}  // namespace

// The bench is built before main, when the bench library is initialised.
int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const InformationTexts information{"detector-lab", manual::DetectorLabHelp, manual::DetectorLabVersion};
    if (const std::optional<int> status = AnswerInformationOptions(arguments, information, std::cout, std::cerr))
        return *status;
    const SessionOptions session = ReadSessionOptions(arguments);
    if (!session.Error.empty()) {
        std::cerr << "detector-lab: " << session.Error << " (see --help)\n";
        return 2;
    }
    // An instructor's variant: the program's bench on the seed assigned.
    if (session.Seed)
        Bench = DetectorBench(*session.Seed);
    // Russian unless English is asked for, here or in «Справка» for the starts to come.
    const Language language = LanguageAtStart(session.AskedLanguage);
    // A picture saved beyond the file-size limit (ulimit -f) is a failed save
    // with its message, not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Work that needs neither the display nor Qt, done on a thread of its
    // own while the application object connects to the display: fontconfig
    // reads its configuration (some sixty files, which the first font a
    // window resolves would otherwise wait for), and the two pictures of the
    // first paint, the splash and the schematic for switches 1 1 1, are
    // decoded. All of it is done before any window is built. The thread
    // touches no Qt object (a picture is found here, decoded there, made an
    // image after the join): the application object's construction
    // initialises Qt's global state unguarded. It sets the locale from the
    // environment too, which fontconfig reads numbers by: that is done here
    // first, so the application's own call changes nothing under the thread.
    std::setlocale(LC_ALL, "");
    std::jthread startUp([decodePictures = DecodingAhead(
                              {SplashPicturePath(language), SchemePicturePath(1, 1, 1, language)})] {
        FcInit();
        decodePictures();
    });
    TApplication application(argc, argv);
    startUp.join();
    TApplication::setApplicationName(QStringLiteral("detector-lab"));
    // Matches the installed desktop entry, so the desktop ties the window to it.
    TApplication::setDesktopFileName(QStringLiteral("org.detectorlab.DetectorLab"));
    if (UseLanguage(language) != language)
        std::cerr << "detector-lab: the English texts cannot be loaded; the program speaks Russian\n";
    std::unique_ptr<LabProgram> program;
    try {
        TApplication::setWindowIcon(ApplicationIcon());
        program = std::make_unique<LabProgram>();
        Form1->show();
        if (session.ContinuedJournal)
            program->Journals->ContinueSession(QString::fromLocal8Bit(session.ContinuedJournal->c_str()));
        TApplication::exec();
    } catch (...) {
        ShowException(std::current_exception());
    }
    program.reset();
    DestroyRemainingWindows();
    return 0;
}
