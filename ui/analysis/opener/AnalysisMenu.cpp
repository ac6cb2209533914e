// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisMenu.h"

#include "ModuleFile.h"
#include "common/DecimalSeparator.h"
#include "common/language/Language.h"
#include "common/PlainMessage.h"
#include "ui/support/SavePictureDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

AnalysisFactories& Factories()
{
    static AnalysisFactories factories;
    return factories;
}

// The module beside the program (the build tree), then where it is installed.
std::optional<AnalysisFactories> LoadModule(QString& error)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QString firstError;
    for (const QString& folder : {programFolder, programFolder + "/" DL_ANALYSIS_MODULE_INSTALLED_DIR}) {
        const QString path = folder + "/" DL_ANALYSIS_MODULE;
        if (!QFileInfo::exists(path)) {
            if (firstError.isEmpty())
                firstError = AnalysisMenu::tr("%1: файл не найден").arg(path);
            continue;
        }
        return LoadAnalysisModule(path, error);
    }
    error = firstError;
    return std::nullopt;
}

// The factories, the module loaded when the one needed is not there yet;
// nothing after the message naming the window (`which`) that cannot be opened.
template <typename Factory>
const AnalysisFactories* LoadedFactories(Factory AnalysisFactories::*needed, const QString& which)
{
    if (Factories().*needed == nullptr) {
        QString error;
        const std::optional<AnalysisFactories> loaded = LoadModule(error);
        if (!loaded) {
            ShowPlainMessage(AnalysisMenu::tr("Окно «%1» недоступно: не удалось загрузить его модуль.\n%2")
                                 .arg(which, error));
            return nullptr;
        }
        Factories() = *loaded;
    }
    return &Factories();
}

} // namespace

AnalysisMenu::AnalysisMenu(QMainWindow* window, BenchChoiceSource bench)
    : QObject(window), window_(window)
{
    Menu = window->menuBar()->addMenu(tr("Анализ"));
    Menu->setObjectName("AnalysisMenu");
    CharacteristicsItem = Menu->addAction(tr("Характеристики…"));
    CharacteristicsItem->setObjectName("CharacteristicsItem");
    connect(CharacteristicsItem, &QAction::triggered, this, &AnalysisMenu::CharacteristicsItemClick);

    host_.Bench = std::move(bench);
    host_.ShowMessage = [](const QString& text) { ShowPlainMessage(text); };
    host_.ChooseTableFile = [](QWidget* owner, const QString& initialName) -> std::optional<ChosenTableFile> {
        const std::optional<TableFile> chosen = ChooseTableFile(owner, initialName);
        if (!chosen)
            return std::nullopt;
        return ChosenTableFile{chosen->Name, chosen->Form};
    };
    host_.ChoosePlotFile = [](QWidget* owner) { return ChoosePlotFileName(owner); };
    host_.ChooseReportFile = [](QWidget* owner, const QString& extension) {
        return ChooseReportFileName(owner, extension);
    };
}

void AnalysisMenu::CharacteristicsItemClick()
{
    if (characteristicsWindow_ == nullptr) {
        const AnalysisFactories* factories =
            LoadedFactories(&AnalysisFactories::Characteristics, tr("Характеристики"));
        if (factories == nullptr)
            return;
        host_.DecimalSeparator = LocaleDecimalSeparator();
        host_.Spoken = ProgramLanguage();
        characteristicsWindow_ = factories->Characteristics(host_, window_);
    }
    characteristicsWindow_->show();
    characteristicsWindow_->raise();
    characteristicsWindow_->activateWindow();
}

void AnalysisMenu::OpenReport(const ReportOrder& order)
{
    const AnalysisFactories* factories = LoadedFactories(&AnalysisFactories::Report, tr("Отчёт"));
    if (factories == nullptr)
        return;
    if (reportWindow_ != nullptr)
        delete reportWindow_.data();
    host_.DecimalSeparator = LocaleDecimalSeparator();
    host_.Spoken = ProgramLanguage();
    reportWindow_ = factories->Report(host_, order, window_);
    reportWindow_->show();
    reportWindow_->raise();
    reportWindow_->activateWindow();
}

AnalysisFactories SetAnalysisFactories(AnalysisFactories factories)
{
    return std::exchange(Factories(), factories);
}

std::optional<AnalysisFactories> LoadAnalysisModule(const QString& path, QString& error)
{
    if (QString problem = ModuleFileProblem(path); !problem.isEmpty()) {
        error = path + QStringLiteral(": ") + problem;
        return std::nullopt;
    }
    // A loaded library stays loaded when its QLibrary is gone.
    QLibrary module(path);
    using VersionFunction = int (*)();
    const auto version = reinterpret_cast<VersionFunction>(module.resolve(AnalysisInterfaceVersionName));
    if (version == nullptr) {
        error = module.errorString();
        return std::nullopt;
    }
    if (version() != AnalysisInterfaceVersion) {
        error = AnalysisMenu::tr("%1: модуль от другой версии программы").arg(path);
        return std::nullopt;
    }
    AnalysisFactories factories;
    factories.Characteristics = reinterpret_cast<CharacteristicsFactory>(module.resolve(CharacteristicsFactoryName));
    factories.Report = reinterpret_cast<ReportFactory>(module.resolve(ReportFactoryName));
    if (factories.Characteristics == nullptr || factories.Report == nullptr) {
        error = module.errorString();
        return std::nullopt;
    }
    return factories;
}
