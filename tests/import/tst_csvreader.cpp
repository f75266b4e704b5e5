// Reading import files: encodings decided by validity, the delimiter found from the first lines,
// quoting per RFC 4180, line ends, headers, and files that are no CSV at all.
#include "cup/errors.h"
#include "import/csvreader.h"
#include "import/importfields.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;

namespace {

// Records as "line: field|field|...".
QStringList described(const CsvTable& table) {
    QStringList lines;
    for (const CsvRecord& record : table.records)
        lines << QStringLiteral("%1: %2").arg(record.line).arg(record.fields.join(u'|'));
    return lines;
}

QString errorOf(const QByteArray& bytes) {
    try {
        parseCsv(bytes);
    } catch (const RzvError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestCsvReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("records");

        QTest::newRow("Windows-1252, semicolon, CR LF")
            << QByteArray("Nachname;Vorname;Jg.\r\nM\xFCller;J\xF6rg;1984\r\nStra\xDF" "e;Ren\xE9;1990\r\n")
            << "Windows-1252" << ";"
            << QStringList{"1: Nachname|Vorname|Jg.", "2: Müller|Jörg|1984", "3: Straße|René|1990"};
        QTest::newRow("UTF-8 with BOM, comma, LF")
            << QByteArray("\xEF\xBB\xBF" "Bib,Time,Status\n7,0:42:31.4,\n12,,DNS\n")
            << "UTF-8" << ","
            << QStringList{"1: Bib|Time|Status", "2: 7|0:42:31.4|", "3: 12||DNS"};
        QTest::newRow("UTF-8 without BOM, tab, no line end at the end")
            << QByteArray("Name\tVorname\nM\xC3\xBCller\t\xC5\x81ukasz")
            << "UTF-8" << "\t" << QStringList{"1: Name|Vorname", "2: Müller|Łukasz"};
        QTest::newRow("quotes: delimiter, doubled quote and line break inside")
            << QByteArray("Name;Verein\r\n\"Meier; Hans\";\"TV \"\"Blau\"\"\"\r\n\"Lang\r\nName\";x\r\nEnde;y\r\n")
            << "UTF-8" << ";"
            << QStringList{"1: Name|Verein", "2: Meier; Hans|TV \"Blau\"", "3: Lang\r\nName|x", "5: Ende|y"};
        QTest::newRow("empty lines and lines of empty cells are skipped")
            << QByteArray("a,b\n\n1,2\n,\n;\n3,4\n\n") << "UTF-8" << ","
            << QStringList{"1: a|b", "3: 1|2", "5: ;", "6: 3|4"};
        QTest::newRow("decimal commas in a semicolon file")
            << QByteArray("StNr;Zeit\n1;42:31,4\n2;43:00,0\n") << "UTF-8" << ";"
            << QStringList{"1: StNr|Zeit", "2: 1|42:31,4", "3: 2|43:00,0"};
        QTest::newRow("one column, ragged rows")
            << QByteArray("Startnummer\n7\n8;x;y\n") << "UTF-8" << ";"
            << QStringList{"1: Startnummer", "2: 7", "3: 8|x|y"};
        QTest::newRow("UTF-16 with byte order mark")
            << QByteArray("\xFF\xFE" "a\0;\0b\0\n\0", 10) << "UTF-16" << ";" << QStringList{"1: a|b"};
        QTest::newRow("UTF-16 LE without byte order mark")
            << QByteArray("a\0;\0\xFC\0\n\0", 8) << "UTF-16" << ";" << QStringList{"1: a|ü"};
        QTest::newRow("UTF-16 BE without byte order mark")
            << QByteArray("\0a\0,\x01\x41\0\n", 8) << "UTF-16" << "," << QStringList{"1: a|Ł"};
        QTest::newRow("Windows-1252 0x80-0x9F are letters and signs, the five unused ones C1")
            << QByteArray("\x80;\x84\x93;\x9F\x8A\x81\n") << "Windows-1252" << ";"
            << QStringList{"1: €|„“|ŸŠ\u0081"};
        QTest::newRow("a tie of delimiters goes to the semicolon")
            << QByteArray("a;b,c\n1;2,3\n") << "UTF-8" << ";" << QStringList{"1: a|b,c", "2: 1|2,3"};
    }

    void formats() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, records);
        const CsvTable table = parseCsv(bytes);
        QCOMPARE(table.encoding, encoding);
        QCOMPARE(QString(table.delimiter), delimiter);
        QCOMPARE(described(table), records);
    }

    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << "Die Datei ist leer.";
        QTest::newRow("blank lines only") << QByteArray("\r\n \r\n;;\r\n") << "Die Datei ist leer.";
        QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x14\0", 8)
                                << "Die Datei ist keine Textdatei (sie enthält Steuerzeichen).";
        QTest::newRow("quote never closed") << QByteArray("a;b\n1;\"open\n2;3\n")
                                            << "Zeile 2: Ein Anführungszeichen wird nicht geschlossen.";
        QTest::newRow("broken UTF-8 after a BOM")
            << QByteArray("\xEF\xBB\xBF" "a;\xFF\n")
            << "Die Datei beginnt als UTF-8-Text, enthält aber Bytes, die kein UTF-8 sind.";
    }

    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QCOMPARE(errorOf(bytes), message);
    }

    // No more records, fields per record and fields in all than a cup holds: just within each
    // limit the file reads, one more stops it.
    void limits_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray row500 = QByteArray(499, ';') + "x\n";
        QTest::newRow("100,001 records") << "1\n" + QByteArray("1\n").repeated(100000) << "";
        QTest::newRow("100,002 records")
            << QByteArray("1\n").repeated(100002)
            << "Die Datei hat mehr als 100.001 Zeilen; ein Cup hält höchstens 100.000 Teilnehmer.";
        QTest::newRow("508 columns") << QByteArray(507, ';') + "x\n" << "";
        QTest::newRow("509 columns") << "a\n" + QByteArray(508, ';') + "x\n"
                                     << "Zeile 2 hat mehr als 508 Spalten; so viele Spalten hat die "
                                        "Teilnehmertabelle eines Cups nicht.";
        QTest::newRow("3,000,000 fields") << row500.repeated(6000) << "";
        QTest::newRow("3,000,001 fields")
            << row500.repeated(6000) + "x\n"
            << "Die Datei hat mehr als 3.000.000 Felder; so viele Werte hält kein Cup.";
    }

    void limits() { badFiles(); }

    void tooLargeFileIsRefusedBeforeReading() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("gross.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 * 1024 * 1024));
        file.close();
        try {
            readCsvFile(file.fileName());
            QFAIL("a file of 100 MB was read");
        } catch (const RzvError& error) {
            QCOMPARE(error.message(), "Die Datei ist zu groß (100 MB); eingelesen werden Dateien bis 20 MB.");
        }
    }

    void headers_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("field");
        const QList<std::pair<const char*, const char*>> cases{
            {"StNr", "Startnummer"},    {"Startnr.", "Startnummer"}, {"Bib", "Startnummer"},
            {"Nachname", "Name"},       {" NAME ", "Name"},          {"First name", "Vorname"},
            {"Jg.", "Jahrgang"},        {"JG", "Jahrgang"},          {"Jahrgang", "Jahrgang"},
            {"Sex", "Geschlecht"},      {"m/w", "Geschlecht"},       {"Club", "Verein"},
            {"Team", "Verein"},         {"Verein/Ort", "Verein"},    {"AK", "Altersgruppe"},
            {"Klasse", "Altersgruppe"}, {"Zeit", "Ergebnis"},        {"Time", "Ergebnis"},
            {"Nettozeit", "Ergebnis"},  {"Endzeit", "Ergebnis"},     {"Strecke", "Ergebnis"},
            {"Distanz", "Ergebnis"},    {"Ergebnis", "Ergebnis"},    {"Status", "Ergebnis"},
            {"Geb.-Datum", "Geburtsdatum"}, {"Cup", "Cup"},          {"Bemerkung", "-"},
        };
        for (const auto& [header, field] : cases) QTest::newRow(header) << header << field;
    }

    void headers() {
        QFETCH(QString, header);
        QFETCH(QString, field);
        const auto found = headerField(header);
        QCOMPARE(found ? fieldCaption(*found) : QStringLiteral("-"), field);
    }

    void mappingFromTheFirstRecord() {
        const CsvTable timing = parseCsv("Bib,Time,Nettozeit,Status,Bib\n1,0:40:00,0:39:59,,1\n");
        const ColumnMapping mapping = detectMapping(timing);
        QVERIFY(mapping.headerRow);
        // Each field once; "Ergebnis" once for a performance and once for a status column.
        QCOMPARE(mapping.fields, (std::vector<ImportField>{ImportField::Startnummer, ImportField::Ergebnis,
                                                           ImportField::Ignore, ImportField::Ergebnis,
                                                           ImportField::Ignore}));

        const CsvTable plain = parseCsv("7;0:40:00\n8;0:41:00\n");
        ColumnMapping none = detectMapping(plain);
        QVERIFY(!none.headerRow);
        QCOMPARE(none.fields, (std::vector<ImportField>{ImportField::Ignore, ImportField::Ignore}));
        overrideColumn(none, plain.records.front().fields, QStringLiteral("1=Startnummer"));
        overrideColumn(none, plain.records.front().fields, QStringLiteral("2=ergebnis"));
        QCOMPARE(none.fields, (std::vector<ImportField>{ImportField::Startnummer, ImportField::Ergebnis}));

        ColumnMapping named = detectMapping(timing);
        overrideColumn(named, timing.records.front().fields, QStringLiteral("nettozeit=Ergebnis"));
        overrideColumn(named, timing.records.front().fields, QStringLiteral("Time=nicht übernehmen"));
        QCOMPARE(named.fieldOf(1), ImportField::Ignore);
        QCOMPARE(named.fieldOf(2), ImportField::Ergebnis);
        for (const char* wrong : {"9=Name", "Zeit=Name", "Bib=Schuhgröße", "Bib"})
            QVERIFY_THROWS_EXCEPTION(RzvError, overrideColumn(named, timing.records.front().fields,
                                                              QString::fromUtf8(wrong)));
    }
};

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
