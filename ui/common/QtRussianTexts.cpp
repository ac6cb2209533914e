#include "QtRussianTexts.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallQtRussianTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/qtbase_ru.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
