// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleFile.h"

#include "common/module/ModuleFile.h"

#include <QFile>

#include <cstring>

QString ModuleFileProblem(const QString& path)
{
    const ModuleCheck check = CheckModuleFile(QFile::encodeName(path).constData());
    switch (check.Fault) {
    case ModuleFault::None: return {};
    case ModuleFault::CannotOpen: return QString::fromLocal8Bit(std::strerror(check.SystemError));
    case ModuleFault::NotRegular: return QStringLiteral("на месте модуля не обычный файл");
    case ModuleFault::NotElf: return QStringLiteral("файл не является модулем (нет заголовка ELF)");
    case ModuleFault::ForeignSystem: return QStringLiteral("модуль собран не для этой системы");
    case ModuleFault::DamagedSegmentTable: return QStringLiteral("модуль повреждён (таблица сегментов)");
    case ModuleFault::CutShort: return QStringLiteral("модуль повреждён: файл обрывается");
    }
    return {};
}
