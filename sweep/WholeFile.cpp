#include "WholeFile.h"

#include <QSaveFile>

std::string WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "cannot create " + path.toStdString() + ": " + file.errorString().toStdString();
    // Qt 6.4 commits even after a failed write, so ask the file first.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError
        || !file.commit()) {
        // A write cut short (a full disk, a size limit) leaves Qt no reason to give.
        const QString reason = file.error() == QFileDevice::NoError || file.errorString() == "Unknown error"
            ? QString("not every byte could be written")
            : file.errorString();
        return "cannot write " + path.toStdString() + ": " + reason.toStdString();
    }
    return {};
}
