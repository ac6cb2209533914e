// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

// The theory of the exercise, written for the student: the bench's noise, the
// matched filters, the decision statistic and its probabilities, the
// noise-power reading, the 95 % interval and the operating characteristic,
// with a table of the symbols. One window per main window, not modal: opening
// it again brings the same window to the front. Escape closes it.
class TTheoryWindow : public QWidget {
    Q_OBJECT

public:
    explicit TTheoryWindow(QWidget* owner);

    // Shows the theory window of the given main window, created on first use.
    // Above a modal dialog, which blocks every other window, it is shown
    // modal itself, so that it can be read and scrolled; closed, it goes back
    // to being an ordinary window.
    static TTheoryWindow* Open(QWidget* owner);

    QTextBrowser* Text;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowInFront();

    bool placed_ = false;
};
