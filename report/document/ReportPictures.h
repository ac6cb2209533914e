// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/JournalAnalysis.h"

#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace report {

// One picture of the report: its caption, and its drawing at any size
// (vector graphics into a PDF or printer's painter, pixels into an image's).
struct ReportPicture {
    QString Caption;
    std::function<void(QPainter& painter, const QRectF& target)> Paint;
};

// The student's own points against theory, drawn by the sweep's picture
// code: for each pair of shapes, each counting experiment's frequency
// against H (a curve for each K); each operating characteristic with its
// points on the theory curve; the noise-power readings against K. Each
// point with its 95 % interval. Needs a QGuiApplication.
std::vector<ReportPicture> StudentPictures(const JournalAnalysis& analysis);

} // namespace report
