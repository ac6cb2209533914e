// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalysisMenu.h"

#include "ModuleFile.h"
#include "common/DecimalSeparator.h"
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

CharacteristicsFactory& Factory()
{
    static CharacteristicsFactory factory = nullptr;
    return factory;
}

// The module beside the program (the build tree), then where it is installed.
CharacteristicsFactory LoadModule(QString& error)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QString firstError;
    for (const QString& folder : {programFolder, programFolder + "/" DL_ANALYSIS_MODULE_INSTALLED_DIR}) {
        const QString path = folder + "/" DL_ANALYSIS_MODULE;
        if (!QFileInfo::exists(path)) {
            if (firstError.isEmpty())
                firstError = path + QStringLiteral(": файл не найден");
            continue;
        }
        return LoadCharacteristicsModule(path, error);
    }
    error = firstError;
    return nullptr;
}

QWidget* NewCharacteristicsWindow(const AnalysisHost& host, QWidget* owner)
{
    if (Factory() == nullptr) {
        QString error;
        Factory() = LoadModule(error);
        if (Factory() == nullptr) {
            ShowPlainMessage(QStringLiteral("Окно «Характеристики» недоступно: не удалось загрузить его модуль.\n%1")
                                 .arg(error));
            return nullptr;
        }
    }
    return Factory()(host, owner);
}

} // namespace

AnalysisMenu::AnalysisMenu(QMainWindow* window, BenchChoiceSource bench)
    : QObject(window), window_(window)
{
    Menu = window->menuBar()->addMenu(QStringLiteral("Анализ"));
    Menu->setObjectName("AnalysisMenu");
    CharacteristicsItem = Menu->addAction(QStringLiteral("Характеристики…"));
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
}

void AnalysisMenu::CharacteristicsItemClick()
{
    if (characteristicsWindow_ == nullptr) {
        host_.DecimalSeparator = LocaleDecimalSeparator();
        characteristicsWindow_ = NewCharacteristicsWindow(host_, window_);
        if (characteristicsWindow_ == nullptr)
            return;
    }
    characteristicsWindow_->show();
    characteristicsWindow_->raise();
    characteristicsWindow_->activateWindow();
}

CharacteristicsFactory SetCharacteristicsFactory(CharacteristicsFactory factory)
{
    return std::exchange(Factory(), factory);
}

CharacteristicsFactory LoadCharacteristicsModule(const QString& path, QString& error)
{
    if (QString problem = ModuleFileProblem(path); !problem.isEmpty()) {
        error = path + QStringLiteral(": ") + problem;
        return nullptr;
    }
    // A loaded library stays loaded when its QLibrary is gone.
    QLibrary module(path);
    using VersionFunction = int (*)();
    const auto version = reinterpret_cast<VersionFunction>(module.resolve(AnalysisInterfaceVersionName));
    if (version == nullptr) {
        error = module.errorString();
        return nullptr;
    }
    if (version() != AnalysisInterfaceVersion) {
        error = path + QStringLiteral(": модуль от другой версии программы");
        return nullptr;
    }
    auto factory = reinterpret_cast<CharacteristicsFactory>(module.resolve(CharacteristicsFactoryName));
    if (factory == nullptr)
        error = module.errorString();
    return factory;
}
