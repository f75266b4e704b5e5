// rzv import: a registration or timing file into a saved cup, as a user runs it.
#include "cup/cupfile.h"
#include "rzvprocess.h"
#include "testcup.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using rzv::test::runRzv;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestRzvImport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_cup;
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private Q_SLOTS:
    void initTestCase() {
        test::TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.person("Adler", "Ute", "F30", {"0:40'00,0\""});
        TCupData cup;
        static_cast<TCupContent&>(cup) = t.cup;
        m_cup = path("cup.rz3");
        cup.fileName = m_cup;
        speichern(cup);
    }

    void runs_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("savedParticipants"); // empty: OUT is not written

        QTest::newRow("registration, characters replaced")
            << QByteArray("Bib;Nachname;Vorname;Jg.;m/w;Verein\n5;\xC5\xBB" "ak;Ola;1990;w;KS Wis\xC5\x82" "a\n")
            << QStringList{} << 0
            << "Neue Teilnehmer: 1\nAbgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 1\n"
               "  Zeile 2: Zak, Ola: F30\n"
               "Ersetzte Zeichen (die Cup-Datei kann sie nicht speichern): 2\n"
               "  Zeile 2: „Żak“ → „Zak“\n  Zeile 2: „KS Wisła“ → „KS Wisla“\n"
            << ""
            << QStringList{"Adler|Ute|12.03.1984|weiblich|TV Nord|F30|001||0:40'00,0\"|",
                           "Zak|Ola|01.01.1990|weiblich|KS Wisla|F30|005|||"};
        QTest::newRow("results of a headerless file, columns named")
            << QByteArray("1,0:39:00.07\n") << QStringList{"--race", "1", "--column", "1=Startnummer",
                                                           "--column", "2=Ergebnis"}
            << 0
            << "Neue Teilnehmer: 0\nErgebnisse gesetzt in Lauf 1: 1\n"
               "Ergebnisse, die ein anderes überschreiben: 1\n"
               "  Zeile 1: Adler, Ute (001): 0:40'00,0\" → 0:39'00,1\"\n"
               "Abgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 0\n"
            << "" << QStringList{"Adler|Ute|12.03.1984|weiblich|TV Nord|F30|001||0:39'00,1\"|"};
        QTest::newRow("check only")
            << QByteArray("Bib,Time\n1,0:41:00\n") << QStringList{"--race", "1", "--check"} << 0
            << "Neue Teilnehmer: 0\nErgebnisse gesetzt in Lauf 1: 1\n"
               "Ergebnisse, die ein anderes überschreiben: 1\n"
               "  Zeile 2: Adler, Ute (001): 0:40'00,0\" → 0:41'00,0\"\n"
               "Abgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 0\n"
            << "" << QStringList{};
        QTest::newRow("nothing to import")
            << QByteArray("Bib,Time\n7,0:41:00\n") << QStringList{"--race", "1"} << 1
            << "Neue Teilnehmer: 0\nErgebnisse gesetzt in Lauf 1: 0\n"
               "Ergebnisse, die ein anderes überschreiben: 0\nAbgelehnte Zeilen: 1\n"
               "  Zeile 2: Startnummer 007 gibt es im Cup nicht\nVorgeschlagene Altersgruppen: 0\n"
            << "rzv: Aus der Datei %1 kann nichts importiert werden.\n" << QStringList{};
        QTest::newRow("a similar row stops the import")
            << QByteArray("Name;Vorname;Jg;m/w;Verein\nAdlar;Ute;1984;w;\n") << QStringList{"--match", "name"} << 1
            << "Neue Teilnehmer: 0\nÄhnliche Teilnehmer: 1\n"
               "  Zeile 2: „Adlar, Ute“ (1984) ähnelt Adler, Ute (001) (ähnlicher Name (1 Buchstabe anders), "
               "gleicher Jahrgang und Geschlecht): offen\n"
               "Abgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 0\n"
            << "rzv: Zeilen der Datei sind Teilnehmern des Cups nur ähnlich (siehe „Ähnliche Teilnehmer“); nichts "
               "wurde gespeichert. --similar gleich nimmt sie als diese Teilnehmer, --similar neu als neue Teilnehmer.\n"
            << QStringList{};
        QTest::newRow("a similar row as a new participant, the default club")
            << QByteArray("Name;Vorname;Jg;m/w;Verein\nAdlar;Ute;1984;w;\n")
            << QStringList{"--match", "name", "--similar", "neu"} << 0
            << "Neue Teilnehmer: 1\n  Startnummern vergeben: 002 bis 002\nÄhnliche Teilnehmer: 1\n"
               "  Zeile 2: „Adlar, Ute“ (1984) ähnelt Adler, Ute (001) (ähnlicher Name (1 Buchstabe anders), "
               "gleicher Jahrgang und Geschlecht): als neuer Teilnehmer\n"
               "Abgelehnte Zeilen: 0\nVorgeschlagene Altersgruppen: 1\n  Zeile 2: Adlar, Ute: F40\n"
            << "" << QStringList{"Adlar|Ute|01.01.1984|weiblich|vereinslos|F40|002|||", "Adler|Ute|12.03.1984|weiblich|TV Nord|F30|001||0:40'00,0\"|"};
        QTest::newRow("not a text file")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0", 10) << QStringList{} << 1 << ""
            << "rzv: Die Datei ist keine Textdatei (sie enthält Steuerzeichen).\n" << QStringList{};
        QTest::newRow("a race the cup does not have")
            << QByteArray("Bib,Time\n1,0:41:00\n") << QStringList{"--race", "2"} << 1 << ""
            << "rzv: Der Cup hat keinen Lauf 2.\n" << QStringList{};
    }

    void runs() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QStringList, savedParticipants);
        const QString csvPath = path("daten.csv");
        const QString outPath = path("out.rz3");
        write(csvPath, csv);
        QFile::remove(outPath);
        const QByteArray before = contents(m_cup);

        const test::RzvRun run = runRzv(QStringList{"import", m_cup, csvPath} +
                                        (options.contains("--check") ? QStringList{} : QStringList{outPath}) +
                                        options);
        QCOMPARE(run.err, err.contains(u"%1") ? err.arg(csvPath) : err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(contents(m_cup), before);
        const QStringList saved = QString::fromLatin1(contents(outPath)).split(QStringLiteral("\r\n")).mid(5);
        QCOMPARE(saved.join(u'\n').trimmed(), savedParticipants.join(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestRzvImport)
#include "tst_rzv_import.moc"
