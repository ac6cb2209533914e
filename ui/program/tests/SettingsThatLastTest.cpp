// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers is there at its next start: one process
// chooses files in the real dialogs, types the report's title block and
// builds a characteristic; the next, under the same settings folder (a
// temporary one), opens each dialog in the folder of its kind and the
// windows with those choices. A first start opens them as it always did.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SettingsThatLastTest : public QObject {
    Q_OBJECT

private:
    // The helper's lines, name=value, run with the settings folder given.
    static QMap<QString, QString> Run(const QString& config, const QStringList& arguments)
    {
        QProcess helper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        helper.setProcessEnvironment(environment);
        helper.start(QStringLiteral(DL_SETTINGS_HELPER), arguments);
        QMap<QString, QString> said;
        if (!helper.waitForFinished(90000) || helper.exitCode() != 0) {
            qWarning("%s", helper.readAllStandardError().constData());
            return said;
        }
        for (const QByteArray& line : helper.readAllStandardOutput().split('\n'))
            if (const qsizetype equals = line.indexOf('='); equals > 0)
                said[QString::fromUtf8(line.left(equals))] = QString::fromUtf8(line.mid(equals + 1));
        return said;
    }

private slots:
    void whatOneRunChoosesTheNextFinds()
    {
        QTemporaryDir config;
        QTemporaryDir files;
        const QString folder = files.path();

        const QMap<QString, QString> first = Run(config.path(), {QStringLiteral("write"), folder});
        QCOMPARE(first.size(), 6);
        // A first start: the dialogs open where they always did, the
        // journals' dialog in the folder it is given.
        for (const char* kind : {"tables", "pictures", "reports"})
            QVERIFY2(first[kind] != folder, kind);
        QCOMPARE(first["journals"], QStringLiteral("/"));
        QCOMPARE(first["title"], QStringLiteral("Сидоров П. П.|РТ-23"));

        const QMap<QString, QString> next = Run(config.path(), {QStringLiteral("read")});
        QCOMPARE(next.size(), 6);
        for (const char* kind : {"tables", "pictures", "reports", "journals"})
            QCOMPARE(next[kind], folder);
        QCOMPARE(next["title"], QStringLiteral("Сидоров П. П.|РТ-23"));
        QCOMPARE(next["characteristics"], QStringLiteral("3 1 3 1 1000"));

        // Without the settings folder's file, the next start is a first one.
        QVERIFY(QDir(config.path()).removeRecursively());
        const QMap<QString, QString> fresh = Run(config.path(), {QStringLiteral("read")});
        QCOMPARE(fresh["tables"], first["tables"]);
        QCOMPARE(fresh["title"], QStringLiteral("|"));
        QCOMPARE(fresh["characteristics"], QStringLiteral("0 0 100 1 100000"));
    }
};

QTEST_GUILESS_MAIN(SettingsThatLastTest)
#include "SettingsThatLastTest.moc"
