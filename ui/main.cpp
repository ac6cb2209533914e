#include "Application.h"
#include "EmbeddedPictures.h"
#include "InformationOptions.h"
#include "QtRussianTexts.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "detector-lab-manual.h"

#include <QPointer>
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
    const InformationTexts information{"detector-lab", manual::DetectorLabHelp, manual::DetectorLabVersion};
    if (const std::optional<int> status
        = AnswerInformationOptions(std::vector<std::string>(argv + 1, argv + argc), information, std::cout, std::cerr))
        return *status;
    // A picture saved beyond the file-size limit (ulimit -f) is a failed save
    // with its message, not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Work that needs neither the display nor any Qt object, done on a
    // thread of its own while the application object connects to the
    // display: fontconfig reads its configuration (some sixty files, which
    // the first font a window resolves would otherwise wait for), and the two
    // pictures of the first paint, the splash and the schematic for switches
    // 1 1 1, are decoded. All of it is done before any window is built.
    std::jthread startUp([] {
        FcInit();
        DecodeAhead({SplashPicturePath(), SchemePicturePath(1, 1, 1)});
    });
    TApplication application(argc, argv);
    startUp.join();
    TApplication::setApplicationName(QStringLiteral("detector-lab"));
    // Matches the installed desktop entry, so the desktop ties the window to it.
    TApplication::setDesktopFileName(QStringLiteral("org.detectorlab.DetectorLab"));
    InstallQtRussianTexts();
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    try {
        TApplication::setWindowIcon(ApplicationIcon());
        form1 = std::make_unique<TForm1>();
        Form1 = form1.get();
        form2 = std::make_unique<TForm2>();
        Form2 = form2.get();
        form3 = std::make_unique<TForm3>();
        Form3 = form3.get();
        Form1->show();
        TApplication::exec();
    } catch (...) {
        ShowException(std::current_exception());
    }
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    form3.reset();
    form2.reset();
    form1.reset();
    DestroyRemainingWindows();
    return 0;
}
