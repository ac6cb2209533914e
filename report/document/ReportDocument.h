// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReportPictures.h"
#include "ReportSource.h"

#include <QByteArray>

#include <memory>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace report {

// How the report's pictures go into its document: drawn as vector graphics
// when the document is painted (a PDF, a printer), or as images (an ODT
// file, which keeps no other kind, and the preview).
enum class PictureForm { Vector, Image };

// «Отчёт по лабораторной работе № 4», in the run's language (ReportText.h),
// on A4 pages: the title
// block, the aim of the work, the bench's configurations used with their
// schematics, the tables (rounded as on screen, decimal commas; rows that
// did not reproduce marked), the pictures, the comparison with theory, the
// verification (seed, journal file, the command that replays it) and
// «Выводы» with a short summary for the student to edit. Needs a
// QApplication (the pictures are drawn with Qt Charts).
std::unique_ptr<QTextDocument> ReportDocument(const ReportSource& source, const std::vector<ReportPicture>& pictures,
    PictureForm form);

// Paints the document page by page onto a PDF writer or a printer set up
// for A4, its pictures as vector graphics.
void PaintReport(QTextDocument& document, QPagedPaintDevice& device);

// The report's files, whole in memory: a PDF (selectable text, vector
// pictures) and an ODT (to edit in an office suite); empty when one could
// not be made.
QByteArray ReportPdf(const ReportSource& source, const std::vector<ReportPicture>& pictures);
QByteArray ReportOdt(const ReportSource& source, const std::vector<ReportPicture>& pictures);
// The report's tables as a workbook, a sheet each, the journal's facts on
// their own, headed in the run's language; `error` says why there are no
// bytes.
std::string ReportXlsx(const ReportSource& source, std::string& error);

} // namespace report
