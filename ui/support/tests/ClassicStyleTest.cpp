// SPDX-License-Identifier: GPL-3.0-or-later
// The classic style: the overflow icons the menu bar asks for are made when
// first drawn (so building a menu bar loads no image plugin) and are the
// very icons of Qt's "Windows" style; every other icon passes through.
#include <QtTest>

#include "ui/support/ClassicStyle.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

bool Mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

QImage Drawn(const QIcon& icon, const QSize& size)
{
    return icon.pixmap(size).toImage();
}

}  // namespace

class ClassicStyleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ClassicStyle* classic = ClassicStyle::Create();
        QVERIFY(classic != nullptr);
        QApplication::setStyle(classic);
    }

    // Runs first: nothing in this process has decoded a picture yet.
    void aMenuBarIsBuiltWithoutLoadingTheImagePlugins()
    {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Файл"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!Mapped("imageformats/libqsvg.so"));
        QVERIFY(!Mapped("iconengines/libqsvgicon.so"));
    }

    void iconsAreTheWindowsStylesOwnInEitherDirection()
    {
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
        QWidget widget;
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            widget.setLayoutDirection(direction);
            QApplication::setLayoutDirection(direction);
            for (QStyle::StandardPixmap icon :
                 {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                  QStyle::SP_ArrowBack, QStyle::SP_DirIcon, QStyle::SP_FileDialogNewFolder}) {
                for (const QStyleOption* asked : std::initializer_list<const QStyleOption*>{&option, nullptr}) {
                    const QIcon expected = windows->standardIcon(icon, asked, &widget);
                    const QIcon shown = QApplication::style()->standardIcon(icon, asked, &widget);
                    QCOMPARE(shown.availableSizes(), expected.availableSizes());
                    for (const QSize& size : {QSize(16, 16), QSize(32, 32)})
                        QVERIFY2(Drawn(shown, size) == Drawn(expected, size),
                                 qPrintable(QString::number(icon) + (direction == Qt::LeftToRight ? " ltr" : " rtl")));
                }
            }
        }
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }
};

QTEST_MAIN(ClassicStyleTest)
#include "ClassicStyleTest.moc"
