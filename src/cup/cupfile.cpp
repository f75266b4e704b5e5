#include "cup/cupfile.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "cup/textorder.h"

#include <algorithm>

namespace rzv {

namespace {

// Line 1 and the lines of the age groups, cup variations and points come before the races.
constexpr int kTableLines = 4;

bool isBlankOrControl(QChar ch) { return ch.unicode() <= 32; }

QStringView trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin])) ++begin;
    while (end > begin && isBlankOrControl(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

QStringView cleaned(QStringView text, QString& buffer) {
    if (text.contains(u'|')) {
        buffer = text.toString();
        buffer.remove(u'|');
        text = buffer;
    }
    return trimmed(text);
}

// Writes fields into the byte buffer, refusing characters the code page cannot hold.
class FieldWriter {
public:
    explicit FieldWriter(QByteArray& out) : m_out(out) {}

    void field(const QString& value, const auto& describePlace) {
        QString buffer;
        const QStringView text = cleaned(value, buffer);
        if (const qsizetype bad = firstUnencodable(text); bad >= 0) {
            throw RzvError(QStringLiteral("Der Wert „%1“ (%2) enthält das Zeichen „%3“, das die "
                                          "Cup-Datei nicht speichern kann. Es wurde nichts "
                                          "gespeichert.")
                               .arg(value, describePlace(), QString(text[bad])));
        }
        appendCp1252(m_out, text);
        m_out.append('|');
    }
    void number(long long value) {
        m_out.append(QByteArray::number(value));
        m_out.append('|');
    }
    void endLine() { m_out.append("\r\n"); }

private:
    QByteArray& m_out;
};

void writeRows(FieldWriter& writer, const TCellGrid& grid, int firstCol, int lastCol, const QString& table) {
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            writer.field(grid.cell(col, row),
                         [&] { return QStringLiteral("%1, Zeile %2").arg(table).arg(row); });
    writer.endLine();
}

// The lines of a file: cut at LF, a CR before the LF dropped. A final line end does not open
// another line.
std::vector<QStringView> splitLines(const QString& text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0) end = text.size();
        if (end > start && text[end - 1] == u'\r' && end < text.size()) --end;
        lines.push_back(QStringView(text).mid(start, end - start));
        start = next;
    }
    return lines;
}

// Calls store(i, field) for each field of a line, in order. Each value is read as saving writes
// it, without leading and trailing blanks and control characters: the tables are ordered by the
// values that the next save stores, so that a saved file loads into the same order and saves
// again byte for byte (a date with a leading control character would otherwise order its race by
// one text now and by another after saving).
template <typename Store> int forEachField(QStringView line, Store store) {
    int index = 0;
    qsizetype start = 0;
    for (qsizetype bar = line.indexOf(u'|'); bar >= 0; bar = line.indexOf(u'|', start)) {
        store(index++, trimmed(line.mid(start, bar - start)));
        start = bar + 1;
    }
    return index;
}

// Fills rows 1.. of a grid with triples (or pairs) of fields, as many rows as complete sets.
void readTable(TCellGrid& grid, QStringView line) {
    const QStringList fields = cut(line);
    const int cols = grid.colCount();
    grid.setRowCount(static_cast<int>(fields.size()) / cols + 1);
    for (int i = 0; i < fields.size(); ++i) grid.setCell(i % cols, i / cols + 1, fields[i]);
}

// The notice for a file that ends before the lines its line 1 announces.
QString incompleteNotice(qsizetype lines, int races, int participants) {
    QString where;
    if (lines < kTableLines) {
        where = QStringLiteral("Zeile %1 von %2").arg(lines).arg(kTableLines + races + participants);
    } else if (lines < kTableLines + races) {
        where = QStringLiteral("%1 von %2 Läufen").arg(lines - kTableLines).arg(races);
        if (participants > 0) where += QStringLiteral(" und 0 von %1 Teilnehmern").arg(participants);
    } else {
        where = QStringLiteral("%1 von %2 Teilnehmern").arg(lines - kTableLines - races).arg(participants);
    }
    return QStringLiteral("Die Cup-Datei ist unvollständig: sie endet nach %1; die fehlenden wurden "
                          "leer angelegt.")
        .arg(where);
}

} // namespace

int maxParticipants(int races) {
    const long long byCells = kMaxParticipantCells / (std::max(races, 0) + kTeilFixedCols) - 1;
    return static_cast<int>(std::min<long long>(kMaxParticipants, byCells));
}

QString clsf(const QString& text) {
    QString buffer;
    return cleaned(text, buffer).toString() + u'|';
}

QStringList cut(QStringView line) {
    QStringList fields;
    forEachField(line, [&](int, QStringView field) { fields.append(field.toString()); });
    return fields;
}

QByteArray cupFileBytes(const TCupContent& cup) {
    QByteArray out;
    FieldWriter writer(out);
    const auto header = [](const char* label) { return [label] { return QString::fromUtf8(label); }; };
    writer.field(cup.name, header("Bezeichnung des Rundenpokals"));
    writer.field(cup.veranstalter, header("Veranstalter des Rundenpokals"));
    writer.number(cup.kategorie);
    writer.number(cup.min);
    writer.number(cup.max);
    writer.number(cup.raceCount());
    writer.number(cup.participantCount());
    writer.endLine();

    writeRows(writer, cup.ag, 0, 2, QStringLiteral("Altersgruppen"));
    writeRows(writer, cup.cv, 0, 2, QStringLiteral("Cup-Variationen"));
    writeRows(writer, cup.pv, 1, 1, QStringLiteral("Punktevergabe"));

    for (int k = 1; k <= cup.raceCount(); ++k) {
        for (int row = 0; row < kLaufRows; ++row)
            writer.field(cup.laufe.cell(k, row), [&] {
                return QStringLiteral("Lauf %1, Zeile „%2“").arg(k).arg(laufeRowCaptions()[row]);
            });
        writer.endLine();
    }
    for (int p = 1; p <= cup.participantCount(); ++p) {
        for (int col = 0; col < cup.teil.colCount(); ++col)
            writer.field(cup.teil.cell(col, p), [&] {
                return QStringLiteral("Teilnehmer, Zeile %1, Spalte „%2“").arg(p).arg(cup.teil.cell(col, 0));
            });
        writer.endLine();
    }
    return out;
}

TCupContent parseCupFile(const QByteArray& bytes, QStringList* notices) {
    const QString text = decodeCp1252(bytes);
    const std::vector<QStringView> lines = splitLines(text);
    size_t next = 0;
    const auto nextLine = [&]() -> QStringView { return next < lines.size() ? lines[next++] : QStringView(); };

    TCupContent cup = newCupContent();
    const QStringList header = cut(nextLine());
    const auto field = [&](int i) { return i < header.size() ? header[i] : QString(); };
    cup.name = field(0);
    cup.veranstalter = field(1);
    const int kategorie = toInt(field(2));
    cup.kategorie = (kategorie >= -1 && kategorie < kategorieTexts().size()) ? kategorie : -1;
    const int races = toInt(field(5));
    const int participants = toInt(field(6));
    if (races < 0 || participants < 0 || races > kMaxRaces || participants > kMaxParticipants ||
        static_cast<long long>(races + kTeilFixedCols) * (participants + 1) > kMaxParticipantCells) {
        throw RzvError(QStringLiteral("Die Cup-Datei ist beschädigt: Zeile 1 nennt %1 Läufe und "
                                      "%2 Teilnehmer.")
                           .arg(field(5), field(6)));
    }
    cup.laufe.setColCount(races + 1);
    cup.teil.resize(races + kTeilFixedCols, participants + 1);
    // The spinners hold 1 to 100. As when both are typed in turn, min is set and coupled first,
    // then max, whose coupling lowers min to it: the file's max wins where min lies above it.
    const int min = std::clamp(toInt(field(3)), 1, 100);
    const int max = std::clamp(toInt(field(4)), 1, 100);
    cup.min = min;
    coupleMin(cup);
    cup.max = max;
    coupleMax(cup);

    readTable(cup.ag, nextLine());
    agsort(cup.ag);
    readTable(cup.cv, nextLine());
    cvsort(cup.cv);

    const QStringList points = cut(nextLine());
    cup.pv.setRowCount(static_cast<int>(points.size()) + 1);
    for (int i = 0; i < points.size(); ++i) {
        cup.pv.setCell(1, i + 1, points[i]);
        cup.pv.setCell(0, i + 1, QString::number(i + 1));
    }
    pvsort(cup.pv);

    for (int k = 1; k <= races; ++k) {
        forEachField(nextLine(), [&](int i, QStringView value) { cup.laufe.setCell(k, i, value.toString()); });
        cup.teil.setCell(resultColumn(k), 0, cup.laufe.cell(k, kDatum));
    }
    // The participants are read before the races are ordered, so that every result moves
    // with its race.
    for (int p = 1; p <= participants; ++p)
        forEachField(nextLine(), [&](int i, QStringView value) {
            if (i < cup.teil.colCount()) cup.teil.setCell(i, p, value.toString());
        });
    laufesort(cup.laufe, cup.teil);
    teilsort(cup, -1, kName);
    const auto lineCount = static_cast<qsizetype>(lines.size());
    if (notices && lineCount < kTableLines + races + participants)
        notices->append(incompleteNotice(lineCount, races, participants));
    return cup;
}

void speichern(TCupData& cup) {
    teilsort(cup, -1, kName);
    cup.notifyTablesChanged();
    writeFileAtomically(cup.fileName, cupFileBytes(cup));
}

QStringList laden(TCupData& cup, const QString& path) {
    QStringList notices;
    TCupContent content = parseCupFile(readWholeFile(path, kMaxCupFileSize), &notices);
    cup.replaceContent(std::move(content), path);
    return notices;
}

} // namespace rzv
