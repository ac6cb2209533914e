// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

std::unique_ptr<QTranslator> LoadEnglishTexts()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/detector-lab_en.qm")))
        return nullptr;
    return translator;
}

bool InstallEnglishTexts()
{
    std::unique_ptr<QTranslator> translator = LoadEnglishTexts();
    if (!translator)
        return false;
    translator->setParent(QCoreApplication::instance());
    return QCoreApplication::installTranslator(translator.release());
}
