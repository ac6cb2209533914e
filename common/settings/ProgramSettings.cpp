// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramSettings.h"

#include <QSettings>

std::unique_ptr<QSettings> OpenProgramSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Detector Lab"),
        QStringLiteral("detector-lab"));
}

QString ProgramSettingsFile()
{
    return OpenProgramSettings()->fileName();
}
