#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rzv {

// A table for spreadsheets as a German spreadsheet opens it: UTF-8 with a byte order mark (so
// that umlauts come out right), fields separated by ";", rows ending with CR LF, a field quoted as
// RFC 4180 says when it holds the separator, a double quote or a line break.
class CsvTabelle {
public:
    CsvTabelle();
    void zeile(const QStringList& felder);
    QByteArray bytes() const;

private:
    QString m_text;
};

// The first fields of a row that name its group: the cup variation only in a cup that has any.
QStringList gruppenfelder(bool mitCup, const QString& cupVariation, const QString& gruppe);
// A place as a table holds it: empty for none (0).
QString platzfeldCsv(int platz);

// One field as it stands in the file: in double quotes, its own doubled, when it holds ";", a
// double quote or any control or line-separating character; else as it is.
QString csvFeld(const QString& text);

} // namespace rzv
