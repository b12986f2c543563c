#include "ZipLayout.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

namespace {

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

} // namespace

QList<ZipRecord> ZipRecords(const QByteArray& archive)
{
    const qsizetype end = archive.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return {};
    QList<ZipRecord> records;
    qsizetype at = u32(archive, end + 16);
    for (int i = 0; i < u16(archive, end + 10) && u32(archive, at) == 0x02014b50; ++i) {
        const quint16 nameLength = u16(archive, at + 28);
        const qsizetype local = u32(archive, at + 42);
        records.append({QString::fromUtf8(archive.mid(at + 46, nameLength)), at, local,
                        local + 30 + u16(archive, local + 26) + u16(archive, local + 28),
                        qint64(u32(archive, at + 20))});
        at += 46 + nameLength + u16(archive, at + 30) + u16(archive, at + 32);
    }
    return records;
}

ZipRecord ZipRecordOf(const QByteArray& archive, const QString& name)
{
    for (const ZipRecord& record : ZipRecords(archive)) {
        if (record.name == name)
            return record;
    }
    ADD_FAILURE() << "no entry " << name.toStdString();
    return {name, 0, 0, 0, 0};
}

void FlipByteInEntry(const QString& path, const QString& name)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    QByteArray bytes = file.readAll();
    const ZipRecord record = ZipRecordOf(bytes, name);
    ASSERT_GT(record.storedSize, 0) << name.toStdString();
    const qsizetype at = record.data + record.storedSize / 2;
    bytes[at] = char(bytes[at] ^ 0xFF);
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
