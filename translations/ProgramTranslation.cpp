// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallEnglishTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/detector-lab_en.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
