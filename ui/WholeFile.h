#pragma once

#include <QByteArray>
#include <QString>

// Puts `bytes` in the file `fileName`. An existing target that is not a
// regular file (a device, a FIFO, a terminal) is written where it is, never
// replaced; a FIFO that no one reads is a failure rather than a wait. Any
// other target is replaced whole or not at all, through a temporary file
// beside it; a symbolic link is followed and its target replaced. Returns
// whether every byte was written.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes);
