// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QTableWidget;
class QWidget;

// A read-only table with a column for each of the sweep's CSV columns, under
// Russian headings.
QTableWidget* NewSweepTable(QWidget* parent);

// Shows the rows of the sweep's CSV text: numbers with a decimal comma, the
// experiment by its Russian name, the verdict as «да», «нет» or «н/д». Each
// cell keeps the CSV's own text under Qt::UserRole.
void ShowSweepCsv(QTableWidget& table, const std::string& csv);

// One of the sweep's Russian texts (UTF-8) as the windows show it.
QString RussianText(std::string_view text);
