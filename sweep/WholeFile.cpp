#include "WholeFile.h"

#include <QSaveFile>

std::string WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "cannot create " + path.toStdString() + ": " + file.errorString().toStdString();
    // A write cut short (a full disk, a size limit) leaves Qt no reason to give.
    if (file.write(bytes) != bytes.size())
        return "cannot write " + path.toStdString() + ": not every byte could be written";
    // Qt 6.4 commits even after a failed write, so ask the file first.
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        return "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
    return {};
}
