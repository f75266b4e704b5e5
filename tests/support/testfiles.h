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

} // namespace rzv::test
