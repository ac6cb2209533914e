// SPDX-License-Identifier: GPL-3.0-or-later
#include "RememberedFolder.h"

#include "common/settings/ProgramSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(const char* kind)
{
    return QStringLiteral("folders/") + QString::fromUtf8(kind);
}

} // namespace

QString RememberedFolder(const char* kind)
{
    const QString folder = OpenProgramSettings()->value(Key(kind)).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolderOf(const char* kind, const QString& chosenFile)
{
    OpenProgramSettings()->setValue(Key(kind), QFileInfo(chosenFile).absolutePath());
}
