// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings/ProgramSettings.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The store lives in a configuration folder of the test's own, set before
// the first QSettings reads where the user's folder is.
class ProgramSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

    static void StoreRaw(const QVariant& value)
    {
        const std::unique_ptr<QSettings> settings = OpenProgramSettings();
        settings->setValue(QStringLiteral("language"), value);
        settings->sync();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        QCOMPARE(ProgramSettingsFile(), config_.filePath(QStringLiteral("Detector Lab/detector-lab.conf")));
    }

    // Nothing stored: Russian, whatever the locale, unless the command line asks.
    void russianUntilChosen()
    {
        QCOMPARE(StoredLanguage(), std::nullopt);
        QCOMPARE(LanguageAtStart(std::nullopt), Language::Russian);
        QCOMPARE(LanguageAtStart(Language::English), Language::English);
    }

    // What is stored is the next start's language; the command line still
    // decides one run.
    void storedLanguageIsTheNextStarts()
    {
        for (const Language language : {Language::English, Language::Russian}) {
            QVERIFY(StoreLanguage(language));
            QCOMPARE(StoredLanguage(), language);
            QCOMPARE(LanguageAtStart(std::nullopt), language);
        }
        QCOMPARE(LanguageAtStart(Language::English), Language::English);
        QVERIFY(StoreLanguage(Language::English));
        QFile file(ProgramSettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("language=en"));
    }

    void storedValueThatIsNoLanguage_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("another language") << QVariant(QStringLiteral("de"));
        QTest::newRow("upper case") << QVariant(QStringLiteral("EN"));
        QTest::newRow("empty") << QVariant(QString());
        QTest::newRow("number") << QVariant(42);
    }

    void storedValueThatIsNoLanguage()
    {
        QFETCH(QVariant, value);
        StoreRaw(value);
        QCOMPARE(StoredLanguage(), std::nullopt);
        QCOMPARE(LanguageAtStart(std::nullopt), Language::Russian);
    }

    // A store that cannot be written is a failure the caller sees.
    void unwritableStoreIsReported()
    {
        QVERIFY(QFile::remove(ProgramSettingsFile()));
        QVERIFY(QDir().mkpath(ProgramSettingsFile()));
        QVERIFY(!StoreLanguage(Language::English));
        QVERIFY(QDir(ProgramSettingsFile()).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(ProgramSettingsTest)
#include "ProgramSettingsTest.moc"
