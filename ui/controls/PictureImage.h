// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

class QMenu;

// A picture control: holds the path of one built-in picture and decodes it
// only when the control is first shown, so pictures that are never shown cost
// no memory. It takes the picture's own size once decoded, opens its popup
// menu on a right click and reports a left click. Given a focus policy, it
// shows the focus and opens its popup menu from the keyboard too: the menu
// key (which the window system delivers as a context-menu request) or
// Shift+F10.
class TImage : public QLabel {
    Q_OBJECT

public:
    // geometry is the designed place and size; the decoded picture's own
    // size replaces the designed one.
    TImage(const QString& picturePath, const QRect& geometry, QWidget* parent);

    const QString& PicturePath() const { return picturePath_; }

    // The picture at full size: the displayed one once decoded, otherwise
    // decoded for the caller alone. Null if the picture cannot be decoded.
    QImage Picture() const;
    bool IsDecoded() const { return decoded_; }

    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    QMenu* PopupMenu() const { return popupMenu_; }

    // A hint text kept with the picture; the control never shows it.
    QString Hint;

signals:
    void Click();

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Decode();

    QString picturePath_;
    QMenu* popupMenu_ = nullptr;
    bool decoded_ = false;
};
