// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleFile.h"

#include "common/module/ModuleFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

namespace {

// The texts of this file, translated in the context "ModuleFile".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ModuleFile)
};

} // namespace

QString ModuleFileProblem(const QString& path)
{
    const ModuleCheck check = CheckModuleFile(QFile::encodeName(path).constData());
    switch (check.Fault) {
    case ModuleFault::None: return {};
    case ModuleFault::CannotOpen: return QString::fromLocal8Bit(std::strerror(check.SystemError));
    case ModuleFault::NotRegular: return Texts::tr("на месте модуля не обычный файл");
    case ModuleFault::NotElf: return Texts::tr("файл не является модулем (нет заголовка ELF)");
    case ModuleFault::ForeignSystem: return Texts::tr("модуль собран не для этой системы");
    case ModuleFault::DamagedSegmentTable: return Texts::tr("модуль повреждён (таблица сегментов)");
    case ModuleFault::CutShort: return Texts::tr("модуль повреждён: файл обрывается");
    }
    return {};
}
