// Tables for spreadsheets: UTF-8 with a byte order mark, ";" between fields, CR LF after rows,
// and quotes exactly where a field needs them.
#include "publish/csvtable.h"

#include <QTest>

using namespace rzv;

class TestCsvTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("feld");
        QTest::newRow("plain") << "Müller" << "Müller";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("comma and blanks") << "Groß, Anna " << "Groß, Anna ";
        QTest::newRow("semicolon") << "A;B" << "\"A;B\"";
        QTest::newRow("quote") << "0:38'12,4\"" << "\"0:38'12,4\"\"\"";
        QTest::newRow("only quotes") << "\"\"" << "\"\"\"\"\"\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("vertical tab") << "a\vb" << "\"a\vb\"";
        QTest::newRow("group separator") << "a\x1d" "b" << "\"a\x1d" "b\"";
        QTest::newRow("next line") << QStringLiteral("a\u0085b") << QStringLiteral("\"a\u0085b\"");
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QStringLiteral("\"a\u2028b\"");
        QTest::newRow("last control character") << "a\x1f" << "\"a\x1f\"";
        QTest::newRow("blank") << "a b" << "a b";
        QTest::newRow("tilde") << "a~" << "a~";
        QTest::newRow("DEL") << "a\x7f" << "\"a\x7f\"";
        QTest::newRow("last C1 control, 0x9F") << QStringLiteral("a\u009f") << QStringLiteral("\"a\u009f\"");
        QTest::newRow("no-break space, 0xA0") << QStringLiteral("a\u00a0") << QStringLiteral("a\u00a0");
        QTest::newRow("markup") << "<b>&</b>" << "<b>&</b>";
        QTest::newRow("entity") << "&amp;" << "\"&amp;\"";
    }
    void fields() {
        QFETCH(QString, text);
        QFETCH(QString, feld);
        QCOMPARE(csvFeld(text), feld);
    }

    void fileBytes() {
        CsvTabelle tabelle;
        QCOMPARE(tabelle.bytes(), QByteArray("\xEF\xBB\xBF"));
        tabelle.zeile({QStringLiteral("Name"), QStringLiteral("Läufe")});
        tabelle.zeile({QStringLiteral("Weiß; \"Sören\""), QString()});
        tabelle.zeile({});
        QCOMPARE(tabelle.bytes(), QByteArray("\xEF\xBB\xBFName;L\xC3\xA4" "ufe\r\n"
                                             "\"Wei\xC3\x9F; \"\"S\xC3\xB6ren\"\"\";\r\n"
                                             "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCsvTable)
#include "tst_csvtable.moc"
