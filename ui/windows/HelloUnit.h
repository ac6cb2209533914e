// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTimer;
class TImage;

// The splash window: the title picture in a borderless window above all
// others, centred on the primary screen. It closes itself after five seconds
// or at once on a click (a key does not close it), frees itself when closed,
// and shows the starting cursor over the whole program while it is open.
class THelloForm : public QWidget {
    Q_OBJECT

public:
    explicit THelloForm(QWidget* parent = nullptr);

    TImage* Image1;
    QTimer* Timer1;

    void FormCreate();
    void FormClick();
    void Timer1Timer();
    void FormClose();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
