// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QRect>

class QWidget;

// Every window of the program goes where it was designed to be when it fits
// in the screen's available area (the screen less its panels), and is moved
// just enough to fit otherwise. A frame larger than the area keeps its top
// left corner in it, where its title bar and first controls stay reachable.
QPoint FittedTopLeft(const QRect& frame, const QRect& available);

// The size of a top-level window with its frame. The window system tells the
// frame once the window exists; until then the frame of another shown window
// of the program stands for it.
QSize FrameSize(const QWidget* window);

// Moves a top-level window to the designed top left corner of its frame,
// fitted to the available area of the screen under that place. A window
// larger than that area is first cut to it, its right and bottom edges going.
void PlaceWindow(QWidget* window, const QPoint& designedTopLeft);
// Centres a top-level window on its screen, then fits it.
void CentreWindowOnScreen(QWidget* window);
// Centres a top-level window over another window, then fits it.
void CentreWindowOver(QWidget* window, const QWidget* other);

// A message box centred on the screen by the size it takes as it is shown,
// once its text has wrapped.
class ScreenCentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override;
};
