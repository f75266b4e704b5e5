#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <string>

namespace rzv {

// Windows-1252, the code page of the cup file. Bytes without a character of their own
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number, so every
// byte reads and writes back unchanged.
QString decodeCp1252(const char* data, qsizetype size);
inline QString decodeCp1252(const QByteArray& bytes) { return decodeCp1252(bytes.constData(), bytes.size()); }
// The code of one character, or nothing when Windows-1252 has no code for it.
std::optional<unsigned char> cp1252Code(char16_t ch);
// The first character of the text that Windows-1252 cannot hold, or -1.
qsizetype firstUnencodable(QStringView text);
// The first control character of the text (tab, line ends, form feed, DEL and the rest of C0 and
// C1), or -1. The cup file holds them, but they break the lines of reports and pages, so names
// and other texts that are typed or imported refuse them.
qsizetype firstControlChar(QStringView text);
// Appends the text in Windows-1252; every character must be encodable.
void appendCp1252(QByteArray& out, QStringView text);

// The key of a text in the program's text order: the Windows-1252 codes with a-z counted as
// A-Z and no other letter folded. Characters without a code sort after every code.
std::u32string textKey(QStringView text);
// The plain Windows-1252 codes of a text, nothing folded (the date order compares these).
std::u32string codeKey(QStringView text);
// <0, 0 or >0 as a comes before, equals or comes after b in text order.
int textCompare(QStringView a, QStringView b);

// Characters from..from+count-1 (counted from 1) of a text, as far as they exist.
QString copyChars(const QString& text, int from, int count);
// A date TT.MM.JJJJ as the text JJJJMMTT (characters 7-10, 4-5, 1-2), for date order.
QString dateKey(const QString& date);

} // namespace rzv
