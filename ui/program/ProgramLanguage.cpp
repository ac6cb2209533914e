// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramLanguage.h"

#include "translations/ProgramTranslation.h"
#include "ui/support/QtRussianTexts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The translators installed for the language in use.
QList<QTranslator*>& Installed()
{
    static QList<QTranslator*> installed;
    return installed;
}

} // namespace

Language UseLanguage(Language language)
{
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
    const QList<QTranslator*> before = QCoreApplication::instance()->findChildren<QTranslator*>();
    if (language == Language::English && !InstallEnglishTexts())
        language = Language::Russian;
    if (language == Language::Russian)
        InstallQtRussianTexts();
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        if (!before.contains(translator))
            Installed().append(translator);
    SetProgramLanguage(language);
    return language;
}
