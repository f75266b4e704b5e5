#pragma once

#include <QByteArray>
#include <QString>

namespace rzv {

// The text of an import file and the encoding it was read in.
struct CsvText {
    QString text;
    QString encoding; // "UTF-8", "UTF-16" or "Windows-1252"
};

// Decides the encoding by validity, never by the file name: a byte order mark names it; UTF-16
// without one shows in its zero bytes; bytes that are valid UTF-8 are UTF-8; anything else is
// Windows-1252. Stops with a message when the
// bytes are empty or not text (control characters other than tab and line ends).
CsvText decodeCsvText(const QByteArray& bytes);

} // namespace rzv
