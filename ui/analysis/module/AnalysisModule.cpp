// SPDX-License-Identifier: GPL-3.0-or-later
// What the module exports: its factories of the window «Характеристики» and
// of the lab report's preview, and the version of the interface it was
// built with. The module links its own
// copies of the shared code beneath the windows; the factory points their
// seams at the program's, so that a message the window's fields show is the
// program's, the fields read numbers as the program's do, and the tables,
// pictures and report speak the program's language.
#include "common/DecimalSeparator.h"
#include "common/language/Language.h"
#include "common/PlainMessage.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/report/ReportUnit.h"

extern "C" __attribute__((visibility("default"))) int dl_analysis_interface_version()
{
    return AnalysisInterfaceVersion;
}

extern "C" __attribute__((visibility("default"))) QWidget* dl_new_characteristics_window(const AnalysisHost& host,
                                                                                         QWidget* owner)
{
    SetPlainMessageHandler(host.ShowMessage);
    SetLocaleDecimalSeparator(host.DecimalSeparator);
    SetProgramLanguage(host.Spoken);
    return NewCharacteristicsForm(host, owner);
}

extern "C" __attribute__((visibility("default"))) QWidget* dl_new_report_window(const AnalysisHost& host,
                                                                                 const ReportOrder& order,
                                                                                 QWidget* owner)
{
    SetPlainMessageHandler(host.ShowMessage);
    SetLocaleDecimalSeparator(host.DecimalSeparator);
    SetProgramLanguage(host.Spoken);
    return NewReportForm(host, order, owner);
}
