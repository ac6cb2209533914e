// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageMenu.h"

#include "common/PlainMessage.h"
#include "common/settings/ProgramSettings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

namespace {

// The texts of this file, translated in the context "LanguageMenu".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

// Told in the language of the run; choosing English, a Russian run says it
// in English too, for a student who reads no Russian.
QString NextStartMessage(Language language)
{
    return language == Language::English
        ? Texts::tr("Английский язык будет включён при следующем запуске программы.\n"
             "English will be used from the next start of the program.")
        : Texts::tr("Русский язык будет включён при следующем запуске программы.");
}

void ChooseLanguage(Language language)
{
    if (!StoreLanguage(language)) {
        ShowPlainMessage(Texts::tr("Выбор языка не удаётся сохранить в файле %1.")
                             .arg(QDir::toNativeSeparators(ProgramSettingsFile())));
        return;
    }
    ShowPlainMessage(NextStartMessage(language));
}

} // namespace

QMenu* AddLanguageMenu(QMenu* menu)
{
    QMenu* languages = menu->addMenu(Texts::tr("Язык (Language)"));
    languages->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(languages);
    const Language next = StoredLanguage().value_or(Language::Russian);
    const std::pair<Language, QString> items[] = {
        {Language::Russian, Texts::tr("Русский")},
        {Language::English, Texts::tr("Английский (English)")},
    };
    for (const auto& [language, caption] : items) {
        QAction* item = languages->addAction(caption);
        item->setObjectName(language == Language::English ? "EnglishItem" : "RussianItem");
        item->setCheckable(true);
        item->setChecked(language == next);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, languages, [language] { ChooseLanguage(language); });
    }
    return languages;
}
