// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/sheets/SheetTable.h"

#include <QString>
#include <string>
#include <string_view>

class QTableWidget;
class QWidget;

// A read-only table with a column for each of the sweep's CSV columns, under
// Russian headings (sweep::SweepHeadings).
QTableWidget* NewSweepTable(QWidget* parent);

// Shows the sweep's table (sweep::SweepBook) rounded as people read it
// (sheets::ShownText): decimal commas, the experiment by its Russian name,
// the verdict in the journal's words. Each cell keeps the text of the same
// cell of the sweep's CSV under Qt::UserRole.
void ShowSweepTable(QTableWidget& table, const sheets::Table& rows, const std::string& csv);

// One of the sweep's Russian texts (UTF-8) as the windows show it.
QString RussianText(std::string_view text);
