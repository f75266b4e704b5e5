// rzv duplicates, merge, clubs and rename-club on a saved cup, as a user runs them.
#include "cup/cupfile.h"
#include "rzvprocess.h"
#include "testcup.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using rzv::test::runRzv;

class TestRzvIdentity : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_cup;

private Q_SLOTS:
    // One runner entered twice in two spellings with a conflict in race 1, namesakes, and club
    // spellings.
    void initTestCase() {
        test::TestCup t(false);
        t.race(kZeitlauf, "05.01.2026", "10000m");
        t.race(kZeitlauf, "02.02.2026", "10000m");
        t.person("Müller", "Jürgen", "M50", {"0:40'00,0\""}, {}, "TSV Grün-Weiß", "03.05.1971");
        t.person("Mueller", "Juergen", "M50", {"0:41'00,0\"", "0:39'00,0\""}, {}, "TSV Gruen-Weiss e.V.", "01.01.1971");
        t.person("Lange", "Bärbel", "F60", {}, {}, "TSV Grün-Weiß", "01.01.1960");
        t.person("Lange", "Ursula", "F60", {}, {}, "LG Süd", "05.06.1960");
        t.person("Lange", "Ursula", "F60", {}, {}, "LG Süd", "02.03.1960");
        t.person("Meier", "Hans", "M40", {}, {}, "LG Süd", "01.01.1980");
        t.person("Meyer", "Hans", "M40", {}, {}, "TSV Grün-Weiß", "01.01.1981");
        TCupData cup;
        static_cast<TCupContent&>(cup) = t.cup;
        m_cup = m_dir.filePath("cup.rz3");
        cup.fileName = m_cup;
        speichern(cup);
    }

    void runs_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("savedParticipants"); // empty: ZIEL is not written

        QTest::newRow("duplicates") << QStringList{"duplicates", "CUP"} << 0
                                    << "002 Mueller, Juergen | 001 Müller, Jürgen | gleicher Name und Jahrgang\n"
                                    << "" << QStringList{};
        QTest::newRow("merge stops at a conflict")
            << QStringList{"merge", "CUP", "1", "2", "ZIEL"} << 1 << ""
            << "rzv: Beide Teilnehmer haben in einem Lauf ein anderes Ergebnis:\n"
               "  Lauf 1 (05.01.2026): behalten 0:40'00,0\", weg 0:41'00,0\"\n"
               "Mit --bei-konflikt behalten oder --bei-konflikt weg wählen, welches Ergebnis bleibt; nichts wurde gespeichert.\n"
            << QStringList{};
        QTest::newRow("merge, the kept result wins")
            << QStringList{"merge", "CUP", "1", "2", "ZIEL", "--bei-konflikt", "behalten"} << 0
            << "002 Mueller, Juergen mit 001 Müller, Jürgen zusammengeführt.\n" << ""
            << QStringList{"Müller|Jürgen|03.05.1971|männlich|TSV Grün-Weiß|M50|001||0:40'00,0\"|0:39'00,0\"|"};
        QTest::newRow("merge, the other result wins")
            << QStringList{"merge", "CUP", "001", "002", "ZIEL", "--bei-konflikt", "weg"} << 0
            << "002 Mueller, Juergen mit 001 Müller, Jürgen zusammengeführt.\n" << ""
            << QStringList{"Müller|Jürgen|03.05.1971|männlich|TSV Grün-Weiß|M50|001||0:41'00,0\"|0:39'00,0\"|"};
        QTest::newRow("merge with itself") << QStringList{"merge", "CUP", "1", "001", "ZIEL"} << 1 << ""
                                           << "rzv: Beide Startnummern nennen denselben Teilnehmer (Müller, Jürgen).\n"
                                           << QStringList{};
        QTest::newRow("clubs") << QStringList{"clubs", "CUP"} << 0
                               << "LG Süd (3)\nTSV Grün-Weiß (3) | TSV Gruen-Weiss e.V. (1)\n" << ""
                               << QStringList{};
        QTest::newRow("rename club")
            << QStringList{"rename-club", "CUP", "TSV Gruen-Weiss e.V.", " TSV Grün-Weiß ", "ZIEL"} << 0
            << "„TSV Gruen-Weiss e.V.“ heißt jetzt „TSV Grün-Weiß“ (1 Teilnehmer).\n" << ""
            << QStringList{"Mueller|Juergen|01.01.1971|männlich|TSV Grün-Weiß|M50|002||0:41'00,0\"|0:39'00,0\"|"};
        QTest::newRow("rename a club nobody has")
            << QStringList{"rename-club", "CUP", "TSV Grün Weiß", "X", "ZIEL"} << 1 << ""
            << "rzv: Kein Teilnehmer hat den Verein „TSV Grün Weiß“.\n" << QStringList{};
    }

    void runs() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QStringList, savedParticipants);
        const QString target = m_dir.filePath("ziel.rz3");
        QFile::remove(target);
        const QByteArray before = test::readBytes(m_cup);
        args.replaceInStrings(QRegularExpression("^CUP$"), m_cup);
        args.replaceInStrings(QRegularExpression("^ZIEL$"), target);
        const test::RzvRun run = runRzv(args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(test::readBytes(m_cup), before);
        QCOMPARE(QFile::exists(target), !savedParticipants.isEmpty());
        // The changed participant's line; the others stay as they were.
        const QStringList saved = QString::fromLatin1(test::readBytes(target)).split(QStringLiteral("\r\n"));
        for (const QString& line : savedParticipants)
            QVERIFY2(saved.contains(QString::fromLatin1(line.toLatin1())), qPrintable(line));
        if (args[0] == u"merge" && exitCode == 0) QCOMPARE(saved.size(), QString::fromLatin1(before).split(QStringLiteral("\r\n")).size() - 1);
    }
};

QTEST_GUILESS_MAIN(TestRzvIdentity)
#include "tst_rzv_identity.moc"
