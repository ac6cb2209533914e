// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/QtRussianTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QPushButton>
#include <QTest>

// Qt's own texts, as the program installs them: the standard buttons and the
// kinds of entry that the file dialog lists.
class QtRussianTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(InstallQtRussianTexts());
    }

    void qtStandardTextsAreRussian()
    {
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Отмена"));
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text().remove('&'), QStringLiteral("Сохранить"));
        QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Папка"));
    }
};

QTEST_MAIN(QtRussianTextsTest)
#include "QtRussianTextsTest.moc"
