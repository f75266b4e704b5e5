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

CsvTabelle::CsvTabelle() = default;

void CsvTabelle::zeile(const QStringList& felder) {
    for (qsizetype i = 0; i < felder.size(); ++i) {
        if (i > 0) m_text += u';';
        m_text += csvFeld(felder[i]);
    }
    m_text += u"\r\n";
}

QByteArray CsvTabelle::bytes() const {
    return QByteArrayLiteral("\xEF\xBB\xBF") + m_text.toUtf8();
}

QString csvFeld(const QString& text) {
    if (std::none_of(text.begin(), text.end(), brauchtAnfuehrung)) return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace rzv
