#pragma once
// Little-endian fields of picture files, for the tests that check headers.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

inline QByteArray ResourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline quint16 U16(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

inline quint32 U32(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

inline qint32 I32(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

inline quint8 U8(const QByteArray& bytes, int offset)
{
    return static_cast<quint8>(bytes[offset]);
}
