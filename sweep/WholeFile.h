#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Writes `bytes` to `path` whole or not at all: into a temporary file beside
// it that replaces the old file only once every byte is on disk. Returns an
// error line, or nothing when the file was written.
std::string WriteWholeFile(const QString& path, const QByteArray& bytes);
