// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramSettings.h"

#include <QSettings>

namespace {

constexpr char LanguageKey[] = "language";

} // namespace

std::unique_ptr<QSettings> OpenProgramSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Detector Lab"),
        QStringLiteral("detector-lab"));
}

QString ProgramSettingsFile()
{
    return OpenProgramSettings()->fileName();
}

std::optional<Language> StoredLanguage()
{
    const QString code = OpenProgramSettings()->value(LanguageKey).toString();
    return LanguageOfCode(code.toStdString());
}

bool StoreLanguage(Language language)
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    settings->setValue(LanguageKey, QString::fromLatin1(LanguageCode(language).data(),
                                        static_cast<qsizetype>(LanguageCode(language).size())));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

Language LanguageAtStart(std::optional<Language> commandLine)
{
    return commandLine ? *commandLine : StoredLanguage().value_or(Language::Russian);
}
