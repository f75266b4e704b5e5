#include "import/csvreader.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "import/csvtext.h"

#include <QLocale>
#include <algorithm>
#include <tuple>

namespace rzv {

namespace {

constexpr int kDelimiterProbeRecords = 10;

// A file never brings more than a cup can hold: a participant per record (after a header row),
// a field per column of the participant table, and no more fields than its cells. Reading stops
// there, before a broken or hostile file takes memory without bound.
constexpr qsizetype kMaxRecords = kMaxParticipants + 1;
constexpr qsizetype kMaxFields = kTeilFixedCols + kMaxRaces;
constexpr long long kMaxCells = kMaxParticipantCells;

QString germanNumber(long long number) { return QLocale(QLocale::German).toString(number); }

class CsvSplitter {
public:
    CsvSplitter(QStringView text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    // Splits up to maxRecords records (all when negative).
    std::vector<CsvRecord> split(int maxRecords) {
        std::vector<CsvRecord> records;
        while (m_pos < m_text.size() && (maxRecords < 0 || std::ssize(records) < maxRecords)) {
            CsvRecord record = nextRecord();
            // Empty lines, and lines of empty cells as spreadsheets write them, are no records.
            const bool empty = std::all_of(record.fields.begin(), record.fields.end(),
                                           [](const QString& f) { return f.trimmed().isEmpty(); });
            if (empty) continue;
            if (std::ssize(records) == kMaxRecords)
                throw RzvError(QStringLiteral("Die Datei hat mehr als %1 Zeilen; ein Cup hält höchstens "
                                              "%2 Teilnehmer.")
                                   .arg(germanNumber(kMaxRecords), germanNumber(kMaxParticipants)));
            m_cells += record.fields.size();
            if (m_cells > kMaxCells)
                throw RzvError(QStringLiteral("Die Datei hat mehr als %1 Felder; so viele Werte hält "
                                              "kein Cup.")
                                   .arg(germanNumber(kMaxCells)));
            records.push_back(std::move(record));
        }
        return records;
    }

private:
    CsvRecord nextRecord() {
        CsvRecord record;
        record.line = m_line;
        while (true) {
            if (record.fields.size() == kMaxFields)
                throw RzvError(QStringLiteral("Zeile %1 hat mehr als %2 Spalten; so viele Spalten hat "
                                              "die Teilnehmertabelle eines Cups nicht.")
                                   .arg(record.line)
                                   .arg(kMaxFields));
            record.fields.append(nextField());
            if (m_pos >= m_text.size()) return record;
            const QChar ch = m_text[m_pos++];
            if (ch == m_delimiter) continue;
            endLine(ch);
            return record;
        }
    }

    // One field; stops before the delimiter or line end that closes it.
    QString nextField() {
        QString field;
        if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
            const int openedOn = m_line;
            ++m_pos;
            while (true) {
                if (m_pos >= m_text.size())
                    throw RzvError(QStringLiteral("Zeile %1: Ein Anführungszeichen wird nicht "
                                                  "geschlossen.")
                                       .arg(openedOn));
                const QChar ch = m_text[m_pos++];
                if (ch == u'"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                        field.append(u'"');
                        ++m_pos;
                        continue;
                    }
                    break;
                }
                if (ch == u'\n') ++m_line;
                field.append(ch);
            }
        }
        // Unquoted text, or text after a closing quote, runs to the delimiter or the line end.
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != m_delimiter && m_text[m_pos] != u'\n' &&
               m_text[m_pos] != u'\r')
            ++m_pos;
        field.append(m_text.mid(start, m_pos - start));
        return field;
    }

    void endLine(QChar ch) {
        ++m_line;
        if (ch == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n') ++m_pos;
    }

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line = 1;
    long long m_cells = 0; // fields of the records kept
};

} // namespace

int CsvTable::columnCount() const {
    qsizetype count = 0;
    for (const CsvRecord& record : records) count = std::max(count, record.fields.size());
    return static_cast<int>(count);
}

QChar findDelimiter(QStringView text) {
    QChar best = u';';
    std::tuple<int, qsizetype> bestScore{0, 0};
    for (const QChar candidate : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        std::vector<CsvRecord> probe;
        try {
            probe = CsvSplitter(text, candidate).split(kDelimiterProbeRecords);
        } catch (const RzvError&) {
            continue; // a quote that this delimiter leaves open: not the file's delimiter
        }
        if (probe.empty() || probe.front().fields.size() < 2) continue;
        const qsizetype fields = probe.front().fields.size();
        const int consistent = static_cast<int>(std::count_if(
            probe.begin(), probe.end(), [&](const CsvRecord& r) { return r.fields.size() == fields; }));
        const std::tuple<int, qsizetype> score{consistent, fields};
        if (score > bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

std::vector<CsvRecord> splitCsv(QStringView text, QChar delimiter) {
    return CsvSplitter(text, delimiter).split(-1);
}

CsvTable parseCsv(const QByteArray& bytes) {
    CsvText decoded = decodeCsvText(bytes);
    CsvTable table;
    table.encoding = decoded.encoding;
    table.delimiter = findDelimiter(decoded.text);
    table.records = splitCsv(decoded.text, table.delimiter);
    if (table.records.empty()) throw RzvError(QStringLiteral("Die Datei ist leer."));
    return table;
}

CsvTable readCsvFile(const QString& path) {
    return parseCsv(readWholeFile(path, kMaxCsvFileSize));
}

} // namespace rzv
