#pragma once
// Files the tests lay out for the program to read.

#include <QFile>
#include <QTest>

namespace rzv::test {

// Writes the bytes as the whole file.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// The bytes of a file; empty when there is none.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace rzv::test
