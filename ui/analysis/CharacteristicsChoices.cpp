// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacteristicsChoices.h"

#include "common/settings/ProgramSettings.h"

#include <QSettings>

#include <cmath>

namespace {

const QString Group = QStringLiteral("characteristics");

} // namespace

std::optional<CharacteristicsChoices> RememberedCharacteristicsChoices()
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    settings->beginGroup(Group);
    if (!settings->contains(QStringLiteral("drawing")))
        return std::nullopt;
    bool read[6] = {};
    CharacteristicsChoices choices;
    choices.Drawing = settings->value(QStringLiteral("drawing")).toInt(&read[0]);
    choices.Event = settings->value(QStringLiteral("event")).toInt(&read[1]);
    choices.From = settings->value(QStringLiteral("from")).toDouble(&read[2]);
    choices.To = settings->value(QStringLiteral("to")).toDouble(&read[3]);
    choices.Step = settings->value(QStringLiteral("step")).toDouble(&read[4]);
    choices.Trials = settings->value(QStringLiteral("trials")).toInt(&read[5]);
    for (bool ok : read)
        if (!ok)
            return std::nullopt;
    if (!std::isfinite(choices.From) || !std::isfinite(choices.To) || !std::isfinite(choices.Step))
        return std::nullopt;
    return choices;
}

void RememberCharacteristicsChoices(const CharacteristicsChoices& choices)
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    settings->beginGroup(Group);
    settings->setValue(QStringLiteral("drawing"), choices.Drawing);
    settings->setValue(QStringLiteral("event"), choices.Event);
    settings->setValue(QStringLiteral("from"), choices.From);
    settings->setValue(QStringLiteral("to"), choices.To);
    settings->setValue(QStringLiteral("step"), choices.Step);
    settings->setValue(QStringLiteral("trials"), choices.Trials);
}
