// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/document/ReportSource.h"

#include <functional>
#include <optional>

class QWidget;

// The title block of the lab report: who hands it in (student, group) and
// its date. Asked in the small dialog «Титульный лист отчёта» the first
// time a report is made, and remembered between runs; the date is today's
// unless typed in.
report::ReportTitle RememberedReportTitle();
bool ReportTitleRemembered();
void RememberReportTitle(const report::ReportTitle& title);

// Asks for the title block, `shown` in its fields; nothing when cancelled.
// Tests answer through the handler below instead of the dialog.
std::optional<report::ReportTitle> AskReportTitle(QWidget* owner, const report::ReportTitle& shown);

// An empty handler restores the real dialog. Returns the previous one.
using ReportTitleQuestion
    = std::function<std::optional<report::ReportTitle>(QWidget* owner, const report::ReportTitle& shown)>;
ReportTitleQuestion SetReportTitleQuestion(ReportTitleQuestion question);
