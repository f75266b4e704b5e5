#pragma once

#include "cup/cupdata.h"
#include "cup/fileio.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rzv {

// The cup file "*.rz3": Windows-1252, CR LF, every value written as a field closed by "|".
// Line 1 holds the header fields and the race and participant counts, lines 2 to 4 the age
// groups, cup variations and points, then one line per race and one per participant.

// A value cleaned for writing ("|" removed, leading and trailing characters up to code 32
// removed) and closed by "|".
QString clsf(const QString& text);
// The fields of one line: the text before each "|", without the leading and trailing characters
// that saving removes; text after the last "|" is ignored.
QStringList cut(QStringView line);

// Cup files larger than this are refused before they are read. The largest cup that loads
// (3 million participant cells) takes about 20 MB with the values of a real series; the bound
// leaves it three times that for long names and clubs, yet keeps a broken or foreign file from taking
// gigabytes.
inline constexpr qint64 kMaxCupFileSize = 64 * 1024 * 1024;

// The whole file as bytes. Stops without a result when a value holds a character that
// Windows-1252 cannot hold, naming the table, row and value.
QByteArray cupFileBytes(const TCupContent& cup);
// A cup read from the bytes of a file, with its tables ordered. Stops with the conversion
// message when a number does not read, and with a message of its own when the counts of line 1
// are negative or beyond what a cup can hold. Lines missing at the end read as empty; notices
// (when given) then gets a text telling the user so.
TCupContent parseCupFile(const QByteArray& bytes, QStringList* notices = nullptr);
// What a cup can hold, and so what line 1 of a cup file may announce and an import file may bring.
// A real series has a few dozen races and some thousand participants; the limits lie far beyond
// that, yet keep the empty tables a short or damaged file can make the program build to some 80 MB.
inline constexpr int kMaxRaces = 500;
inline constexpr int kMaxParticipants = 100000;
inline constexpr long long kMaxParticipantCells = 3000000;

// The most participants a cup file with this many races may hold and still be loaded.
int maxParticipants(int races);

// Orders the participants by name and writes the cup to its file name. The file is replaced
// only when every byte was written; a failure leaves the previous file as it was.
void speichern(TCupData& cup);
// Reads a cup file into the document and marks it as saved. A file that cannot be read whole
// leaves the document exactly as it was. Returns what the user should be told about the file
// (that it ends early), to be shown once it is loaded.
QStringList laden(TCupData& cup, const QString& path);

} // namespace rzv
