#include "WholeFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteInPlace(const QByteArray& name, const QByteArray& bytes)
{
    // Without a reader a FIFO would hold the window: O_NONBLOCK makes that ENXIO.
    const int descriptor = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    qsizetype done = 0;
    if (::fcntl(descriptor, F_SETFL, 0) == 0)
        while (done < bytes.size()) {
            const ssize_t written = ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (written < 0 && errno != EINTR)
                break;
            done += std::max<ssize_t>(written, 0);
        }
    return ::close(descriptor) == 0 && done == bytes.size();
}

}  // namespace

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(fileName);
    struct stat target {};
    if (::stat(name.constData(), &target) == 0 && !S_ISREG(target.st_mode))
        return WriteInPlace(name, bytes);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    // A write that fails while the buffer is flushed does not stop commit()
    // from putting the cut-off file in place of the old one: check first.
    return file.flush() && file.error() == QFileDevice::NoError && file.commit();
}
