#include "publish/csvtable.h"

#include <algorithm>

namespace rzv {

namespace {

// Characters some reader could take for the end of a row (or that no cell should hold raw):
// control characters, NEL and the Unicode line and paragraph separators.
bool brauchtAnfuehrung(QChar c) {
    const char16_t u = c.unicode();
    return u == u';' || u == u'"' || u < 32 || (u >= 127 && u < 160) || u == 0x2028 ||
           u == 0x2029;
}

} // namespace

QStringList gruppenfelder(bool mitCup, const QString& cupVariation, const QString& gruppe) {
    return mitCup ? QStringList{cupVariation, gruppe} : QStringList{gruppe};
}

QString platzfeldCsv(int platz) {
    return platz > 0 ? QString::number(platz) : QString();
}

CsvTabelle::CsvTabelle() : m_bytes("\xEF\xBB\xBF") {}

void CsvTabelle::zeile(const QStringList& felder) {
    QString text;
    for (qsizetype i = 0; i < felder.size(); ++i) {
        if (i > 0) text += u';';
        text += csvFeld(felder[i]);
    }
    m_bytes += text.toUtf8();
    m_bytes += "\r\n";
}

QString csvFeld(const QString& text) {
    if (std::none_of(text.begin(), text.end(), brauchtAnfuehrung)) return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace rzv
