#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace rzv {

// One record of a CSV file and the line of the file it starts on (counted from 1).
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// A CSV file as read: its encoding, its delimiter and its records. Empty lines are skipped.
struct CsvTable {
    QString encoding;
    QChar delimiter;
    std::vector<CsvRecord> records;

    int columnCount() const;
};

// Import files larger than this are refused before they are read.
inline constexpr qint64 kMaxCsvFileSize = 20 * 1024 * 1024;

// The delimiter (";", "," or tab) that splits the first lines most consistently into the most
// fields; ";" when none splits them.
QChar findDelimiter(QStringView text);
// Splits a text into records per RFC 4180: fields in double quotes may hold the delimiter, line
// breaks and doubled quotes; records end with CR LF, LF or CR. Stops with a message naming the
// line when a quote is never closed.
std::vector<CsvRecord> splitCsv(QStringView text, QChar delimiter);

// Decodes and splits the bytes of an import file.
CsvTable parseCsv(const QByteArray& bytes);
// Reads an import file; too large a file, and anything but a file, is refused before it is read.
CsvTable readCsvFile(const QString& path);

} // namespace rzv
