// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/testsupport/TestPictures.h"
#include "ui/controls/PictureClipboard.h"
#include "ui/controls/PictureImage.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class PictureImageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString picturePath_;
    QImage picture_;

    QString WriteJunk(const QString& name)
    {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("BM\xff\xd8 these bytes are no picture");
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        picturePath_ = WriteTestPicture(dir_, "picture.bmp", QSize(37, 21), qRgb(10, 200, 90));
        picture_ = QImage(picturePath_);
        QVERIFY(!picture_.isNull());
    }

    void decodesOnlyWhenFirstShown()
    {
        QWidget window;
        auto* shown = new TImage(picturePath_, QRect(5, 6, 100, 100), &window);
        auto* hidden = new TImage(picturePath_, QRect(5, 6, 100, 100), &window);
        hidden->hide();
        QVERIFY(!shown->IsDecoded());
        QCOMPARE(shown->size(), QSize(100, 100));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(shown->IsDecoded());
        QCOMPARE(shown->geometry(), QRect(QPoint(5, 6), picture_.size()));
        QVERIFY(SamePixels(shown->pixmap().toImage(), picture_));
        QVERIFY(!hidden->IsDecoded());
        QVERIFY(hidden->pixmap().isNull());
    }

    void unreadablePictureKeepsDesignedSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no path") << QString();
        QTest::newRow("missing file") << dir_.filePath("missing.bmp");
        QTest::newRow("not a bitmap") << WriteJunk("junk.bmp");
        QTest::newRow("not a JPEG") << WriteJunk("junk.jpg");
    }

    void unreadablePictureKeepsDesignedSize()
    {
        QFETCH(QString, path);
        QWidget window;
        auto* image = new TImage(path, QRect(1, 2, 30, 40), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(image->geometry(), QRect(1, 2, 30, 40));
        QVERIFY(image->Picture().isNull());
    }

    void rightClickOpensThePopupMenu()
    {
        QWidget window;
        QMenu menu;
        menu.addAction("item");
        auto* image = new TImage(picturePath_, QRect(0, 0, 10, 10), &window);
        image->SetPopupMenu(&menu);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), image->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(image, &event);
        QTRY_VERIFY(menu.isVisible());
        menu.close();
    }

    void onlyALeftClickIsAClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left") << Qt::LeftButton << 1;
        QTest::newRow("right") << Qt::RightButton << 0;
        QTest::newRow("middle") << Qt::MiddleButton << 0;
    }

    void onlyALeftClickIsAClick()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, clicks);
        QWidget window;
        auto* image = new TImage(picturePath_, QRect(0, 0, 10, 10), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spy(image, &TImage::Click);
        QTest::mouseClick(image, button, {}, QPoint(4, 4));
        QCOMPARE(spy.count(), clicks);
    }

    void copyPutsTheFullPictureOnTheClipboard()
    {
        QGuiApplication::clipboard()->setText("earlier text");
        QWidget window;
        const TImage image(picturePath_, QRect(0, 0, 10, 10), &window);
        CopyImageToClipboard(&image);
        QVERIFY(!image.IsDecoded());  // never shown: decoded for the copy alone
        const QClipboard* clipboard = QGuiApplication::clipboard();
        QVERIFY(SamePixels(clipboard->image(), picture_));
        QVERIFY(clipboard->text().isEmpty());
    }

    void copyOfAnUnreadablePictureLeavesTheClipboard()
    {
        QGuiApplication::clipboard()->setText("kept");
        const TImage image(dir_.filePath("missing.bmp"), QRect(0, 0, 10, 10), nullptr);
        CopyImageToClipboard(&image);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
    }
};

QTEST_MAIN(PictureImageTest)
#include "PictureImageTest.moc"
