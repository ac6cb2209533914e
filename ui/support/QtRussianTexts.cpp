// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtRussianTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace {

// Texts that Qt's Russian catalogue lacks: the kinds of entry that the file
// dialog lists, whose context the catalogue knows by an older name.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QHash<QByteArray, QString> fileKinds = {
            {"Folder", QStringLiteral("Папка")},    {"File Folder", QStringLiteral("Папка")},
            {"Drive", QStringLiteral("Диск")},      {"Shortcut", QStringLiteral("Ярлык")},
            {"Alias", QStringLiteral("Ярлык")},     {"Unknown", QStringLiteral("Неизвестно")},
        };
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        return fileKinds.value(QByteArray(sourceText));
    }

    bool isEmpty() const override { return false; }
};

}  // namespace

bool InstallQtRussianTexts()
{
    QCoreApplication::installTranslator(new MissingQtTexts(QCoreApplication::instance()));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/qtbase_ru.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
