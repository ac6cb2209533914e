// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Little-endian fields of picture files, for the tests that check headers.
// A field beyond the end of the bytes reads as 0.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstring>

inline QByteArray ResourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T>
T LittleEndianField(const QByteArray& bytes, int offset)
{
    if (offset < 0 || offset + qsizetype{sizeof(T)} > bytes.size())
        return T{};
    T value;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return qFromLittleEndian(value);
}

inline quint8 U8(const QByteArray& bytes, int offset)
{
    return LittleEndianField<quint8>(bytes, offset);
}

inline quint16 U16(const QByteArray& bytes, int offset)
{
    return LittleEndianField<quint16>(bytes, offset);
}

inline quint32 U32(const QByteArray& bytes, int offset)
{
    return LittleEndianField<quint32>(bytes, offset);
}

inline qint32 I32(const QByteArray& bytes, int offset)
{
    return LittleEndianField<qint32>(bytes, offset);
}
