#include "CharacteristicsOpener.h"

#include "PlainMessage.h"

#include <QCoreApplication>
#include <QLibrary>
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
    for (const QString& folder : {programFolder, programFolder + "/" DL_ANALYSIS_MODULE_INSTALLED_DIR}) {
        // A loaded library stays loaded when its QLibrary is gone.
        QLibrary module(folder + "/" DL_ANALYSIS_MODULE);
        if (auto factory = reinterpret_cast<CharacteristicsFactory>(module.resolve(CharacteristicsFactoryName)))
            return factory;
        if (error.isEmpty())
            error = module.errorString();
    }
    return nullptr;
}

}  // namespace

QWidget* NewCharacteristicsWindow(const BenchChoiceSource& bench, QWidget* owner)
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
    return Factory()(bench, owner);
}

CharacteristicsFactory SetCharacteristicsFactory(CharacteristicsFactory factory)
{
    return std::exchange(Factory(), factory);
}
