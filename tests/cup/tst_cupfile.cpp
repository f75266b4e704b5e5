// The cup file byte for byte: writing, reading, and what broken files and failed saves do.
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/ordering.h"
#include "cup/textorder.h"
#include "errorof.h"
#include "testfiles.h"

#include "filesizelimit.h"

#include <QTemporaryDir>
#include <QtTest>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace rzv;

namespace {

QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        appendCp1252(bytes, line);
        bytes.append("\r\n");
    }
    return bytes;
}

const QString kNewCupLine2 = QStringLiteral(
    "WK U8|MK U8|7|WK U10|MK U10|9|WK U12|MK U12|11|WJ U14|MJ U14|13|WJ U16|MJ U16|15|WJ U18|MJ "
    "U18|17|WJ U20|MJ U20|19|F U23|M U23|22|F|M|29|F30|M30|39|F40|M40|49|F50|M50|59|F60|M60|69|F70 "
    "u.ä.|M70 u.ä.|150|");

QByteArray newCupFile() {
    return crlf({QStringLiteral("||0|1|1|0|0|"), kNewCupLine2,
                 QStringLiteral("A-Cup|10000m|1:00'00,0\"|B-Cup|5000m|0:30'00,0\"|C-Cup|3000m|0:15'00,0\"|"),
                 QStringLiteral("20|19|18|17|16|15|14|13|12|11|10|9|8|7|6|5|4|3|2|1|")});
}

const QString k30Empty = QString(30, u'|');

// Two races stored out of date order, participants out of name order, untrimmed and short
// lines, extra fields and an incomplete age-group triple.
QByteArray untidyFile() {
    return crlf({
        QStringLiteral(" Winterlauf |LG Süd|2|1|5|2|2|"),
        QStringLiteral("F|M|29|WK U8|MK U8|7|X|"),
        QString(),
        QStringLiteral("5|10|1|"),
        QStringLiteral("1|Zeitlauf (fixe Distanz)|14.06.2008|10000m|"),
        QStringLiteral("2|Distanzlauf (fixe Zeit)|01.05.2008|1:00'00,0\"|") + k30Empty + QStringLiteral("extra|"),
        QStringLiteral("Ähm|Bernd|03.04.1985|männlich|TSV|M|001||n.a.||x|"),
        QStringLiteral("Zahn|Anna|01.02.1990|weiblich| LG Süd |F|002||0:40'00,0\"|12000m|"),
    });
}

QByteArray tidyFile() {
    return crlf({
        QStringLiteral("Winterlauf|LG Süd|2|1|2|2|2|"),
        QStringLiteral("WK U8|MK U8|7|F|M|29|"),
        QString(),
        QStringLiteral("10|5|1|"),
        QStringLiteral("1|Distanzlauf (fixe Zeit)|01.05.2008|1:00'00,0\"|") + k30Empty,
        QStringLiteral("2|Zeitlauf (fixe Distanz)|14.06.2008|10000m|") + k30Empty,
        QStringLiteral("Zahn|Anna|01.02.1990|weiblich|LG Süd|F|002||12000m|0:40'00,0\"|"),
        QStringLiteral("Ähm|Bernd|03.04.1985|männlich|TSV|M|001|||n.a.|"),
    });
}

using test::writeBytes;

using test::errorOf;

} // namespace

class TestCupFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

private Q_SLOTS:
    void newCupIsFourLines() {
        QCOMPARE(cupFileBytes(newCupContent()), newCupFile());
    }

    void cleaningAndCutting() {
        QCOMPARE(clsf(QStringLiteral("  a|b c \t")), QStringLiteral("ab c|"));
        QCOMPARE(clsf(QStringLiteral("   ")), QStringLiteral("|"));
        QCOMPARE(clsf(QStringLiteral(" | x")), QStringLiteral("x|"));
        QCOMPARE(cut(u"a||b|rest"), (QStringList{"a", "", "b"}));
        QCOMPARE(cut(u"no bar"), QStringList());
        QCOMPARE(cut(u" a \x01|"), QStringList{"a"});
    }

    void untidyFileComesBackTidy() {
        const TCupContent cup = parseCupFile(untidyFile());
        QCOMPARE(cup.name, QStringLiteral("Winterlauf")); // read as saving writes it
        QCOMPARE(cup.max, 2);                                 // held at the number of races
        QCOMPARE(cup.teil.cell(resultColumn(1), 0), QStringLiteral("01.05.2008"));
        QCOMPARE(cupFileBytes(cup), tidyFile());
        QCOMPARE(cupFileBytes(parseCupFile(tidyFile())), tidyFile());
    }

    void missingLinesAndFieldsAreEmpty() {
        const TCupContent cup = parseCupFile(crlf({QStringLiteral("Kurz||0|1|1|1|2|")}));
        QCOMPARE(cup.ag.rowCount(), 1);
        QCOMPARE(cup.cv.rowCount(), 1);
        QCOMPARE(cup.pv.rowCount(), 1);
        QCOMPARE(cup.raceCount(), 1);
        QCOMPARE(cup.participantCount(), 2);
        QCOMPARE(cup.laufe.cell(1, kLaufnummer), QStringLiteral("1"));
        QCOMPARE(cup.laufe.cell(1, kDatum), QString()); // one race is not reordered
        QCOMPARE(cupFileBytes(cup),
                 crlf({QStringLiteral("Kurz||0|1|1|1|2|"), QString(), QString(), QString(),
                       QStringLiteral("1|") + QString(33, u'|'), QString(9, u'|'), QString(9, u'|')}));
    }

    void lineFeedsAloneAndOddCategories() {
        QByteArray bytes = tidyFile();
        bytes.replace("\r\n", "\n");
        QCOMPARE(cupFileBytes(parseCupFile(bytes)), tidyFile());

        const TCupContent typed = parseCupFile(crlf({QStringLiteral("||-1|1|1|0|0|")}));
        QCOMPARE(typed.kategorie, -1);
        QVERIFY(cupFileBytes(typed).startsWith("||-1|1|1|0|0|\r\n"));
        QCOMPARE(parseCupFile(crlf({QStringLiteral("||99|1|1|0|0|")})).kategorie, -1);
    }

    void conversionErrors() {
        QCOMPARE(errorOf([] { parseCupFile(QByteArray()); }), QStringLiteral("'' ist kein gültiger Integerwert"));
        QCOMPARE(errorOf([] { parseCupFile(crlf({QStringLiteral("||0|eins|1|0|0|")})); }),
                 QStringLiteral("'eins' ist kein gültiger Integerwert"));
        QCOMPARE(errorOf([] { parseCupFile(crlf({QStringLiteral("||0|1|1|0|0|"), QStringLiteral("F|M|alt|G|H|3|")})); }),
                 QStringLiteral("'alt' ist kein gültiger Integerwert"));
        QCOMPARE(errorOf([] {
                     parseCupFile(crlf({QStringLiteral("||0|1|1|0|0|"), QString(), QString(), QStringLiteral("3|x|")}));
                 }),
                 QStringLiteral("'x' ist kein gültiger Integerwert"));
    }

    void minAboveMaxFollowsMax_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("5 above 1") << "||0|5|1|5|0|" << 1 << 1;
        QTest::newRow("3 above 2") << "||0|3|2|3|0|" << 2 << 2;
        QTest::newRow("both above the races") << "||0|7|6|4|0|" << 4 << 4;
        QTest::newRow("min below max") << "||0|2|3|5|0|" << 2 << 3;
    }
    void minAboveMaxFollowsMax() {
        QFETCH(QString, header);
        QFETCH(int, min);
        QFETCH(int, max);
        const TCupContent cup = parseCupFile(crlf({header}));
        QCOMPARE(cup.min, min);
        QCOMPARE(cup.max, max);
    }

    void countsHoldAtTheirLimits_data() {
        QTest::addColumn<QString>("counts");
        QTest::addColumn<bool>("loads");
        QTest::newRow("races") << "500|0" << true;
        QTest::newRow("one race more") << "501|0" << false;
        QTest::newRow("participants") << "0|100000" << true;
        QTest::newRow("one participant more") << "0|100001" << false;
        QTest::newRow("cells") << "92|29999" << true; // 100 columns, 30,000 rows
        QTest::newRow("one row of cells more") << "92|30000" << false;
        QTest::newRow("negative races") << "-1|0" << false;
        QTest::newRow("negative participants") << "0|-5" << false;
        QTest::newRow("huge") << "2000000000|2000000000" << false;
    }
    void countsHoldAtTheirLimits() {
        QFETCH(QString, counts);
        QFETCH(bool, loads);
        const QString message = errorOf([&] { parseCupFile(crlf({QStringLiteral("||0|1|1|%1|").arg(counts)})); });
        if (loads)
            QCOMPARE(message, QString());
        else
            QCOMPARE(message, QStringLiteral("Die Cup-Datei ist beschädigt: Zeile 1 nennt %1 Läufe und %2 Teilnehmer.")
                                  .arg(counts.section(u'|', 0, 0), counts.section(u'|', 1, 1)));
    }

    void shortFileIsNoticed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("notices");
        const QString start = QStringLiteral("Die Cup-Datei ist unvollständig: sie endet nach ");
        const QString end = QStringLiteral("; die fehlenden wurden leer angelegt.");
        QTest::newRow("complete") << tidyFile() << QStringList();
        QTest::newRow("in the tables") << crlf({QStringLiteral("||0|1|1|1|2|")})
                                       << QStringList{start + QStringLiteral("Zeile 1 von 7") + end};
        QTest::newRow("in the races") << crlf({QStringLiteral("||0|1|1|3|40|"), {}, {}, {}, QStringLiteral("1|")})
                                      << QStringList{start + QStringLiteral("1 von 3 Läufen und 0 von 40 Teilnehmern") + end};
        const QByteArray tidy = tidyFile();
        QTest::newRow("in the participants") << tidy.left(tidy.lastIndexOf("\r\n", tidy.size() - 3) + 2)
                                             << QStringList{start + QStringLiteral("1 von 2 Teilnehmern") + end};
    }
    void shortFileIsNoticed() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, notices);
        writeBytes(path("short.rz3"), bytes);
        TCupData cup;
        QCOMPARE(laden(cup, path("short.rz3")), notices);
        QCOMPARE(cup.fileName, path("short.rz3"));
    }

    // Race 1 with an odd date, race 2 on 15.01.2020, one participant with a result in each: the
    // first save stores the races in the order of the dates it stores, so a second load and save
    // gives the same bytes.
    void oddDatesSaveTheSameTwice_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("saved"); // first and second race date, the results
        QTest::newRow("leading control character") << "\x01" "01.02.2020" << QStringList{"15.01.2020", "01.02.2020", "b|a|"};
        QTest::newRow("leading blank") << " 01.02.2020" << QStringList{"15.01.2020", "01.02.2020", "b|a|"};
        QTest::newRow("trailing controls") << "01.02.2020\x1f\t" << QStringList{"15.01.2020", "01.02.2020", "b|a|"};
        QTest::newRow("leading DEL is kept") << "\x7f" "01.01.2020" << QStringList{"\x7f" "01.01.2020", "15.01.2020", "a|b|"};
        QTest::newRow("inner control stays") << "01.\x01" "02.2020" << QStringList{"01.\x01" "02.2020", "15.01.2020", "a|b|"};
        QTest::newRow("short date, trailing blank") << "1.2.2020 " << QStringList{"1.2.2020", "15.01.2020", "a|b|"};
        QTest::newRow("invalid date") << "32.13.2020" << QStringList{"15.01.2020", "32.13.2020", "b|a|"};
        QTest::newRow("only controls") << "\x01\x02" << QStringList{"", "15.01.2020", "a|b|"};
    }
    void oddDatesSaveTheSameTwice() {
        QFETCH(QString, date);
        QFETCH(QStringList, saved);
        const auto file = [](const QString& first, const QString& second, const QString& results) {
            const QString rest = QString(31, u'|');
            return crlf({"||0|1|1|2|1|", "", "", "", "1|Zeitlauf (fixe Distanz)|" + first + "|" + rest,
                         "2|Zeitlauf (fixe Distanz)|" + second + "|" + rest, "N|V|||||||" + results});
        };
        const QByteArray once = cupFileBytes(parseCupFile(file(date, "15.01.2020", "a|b|")));
        QCOMPARE(once, file(saved[0], saved[1], saved[2]));
        QCOMPARE(cupFileBytes(parseCupFile(once)), once);
    }

    // A cup file is read only up to its bound.
    void readingIsBounded() {
        QFile limit(path("limit.rz3"));
        QVERIFY(limit.open(QIODevice::WriteOnly) && limit.resize(kMaxCupFileSize));
        TCupData cup;
        QCOMPARE(errorOf([&] { laden(cup, path("limit.rz3")); }), QStringLiteral("'' ist kein gültiger Integerwert"));
        QVERIFY(limit.resize(kMaxCupFileSize + 1) && limit.rename(path("above.rz3")));
        QCOMPARE(errorOf([&] { laden(cup, path("above.rz3")); }),
                 QStringLiteral("Die Datei ist zu groß (64 MB); eingelesen werden Dateien bis 64 MB."));
    }

    void everyHighByteComesBack() {
        QByteArray name;
        for (int byte = 0xA0; byte <= 0xFF; ++byte) name.append(static_cast<char>(byte));
        const QByteArray bytes = name + "||0|1|1|0|0|\r\n\r\n\r\n\r\n";
        const TCupContent cup = parseCupFile(bytes);
        QCOMPARE(cup.name.size(), 96);
        QCOMPARE(cup.name.back(), u'ÿ');
        QCOMPARE(cupFileBytes(cup), bytes);
    }

    void brokenInputNeverCrashes() {
        std::mt19937 random(42);
        const QByteArray valid = tidyFile();
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes;
            if (round % 2 == 0) {
                bytes = valid.left(static_cast<qsizetype>(random() % static_cast<unsigned>(valid.size())));
            } else {
                bytes = valid;
                for (int i = 0; i < 8; ++i) bytes[static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()))] = static_cast<char>(random());
            }
            try {
                const TCupContent cup = parseCupFile(bytes);
                QCOMPARE(cup.teil.colCount(), cup.raceCount() + kTeilFixedCols);
            } catch (const RzvError&) {
            }
        }
    }

    void loadReplacesOnlyWhenWholeFileWasRead() {
        writeBytes(path("good.rz3"), tidyFile());
        writeBytes(path("bad.rz3"), crlf({QStringLiteral("Neu||0|1|1|0|0|"), QStringLiteral("F|M|alt|G|H|3|")}));
        TCupData cup;
        laden(cup, path("good.rz3"));
        QCOMPARE(cup.fileName, path("good.rz3"));
        QVERIFY(!cup.changed());
        cup.edit(1);
        const QByteArray before = cupFileBytes(cup);

        QCOMPARE(errorOf([&] { laden(cup, path("bad.rz3")); }), QStringLiteral("'alt' ist kein gültiger Integerwert"));
        QCOMPARE(errorOf([&] { laden(cup, path("missing.rz3")); }), QStringLiteral("I/O-Fehler 2"));
        QCOMPARE(cupFileBytes(cup), before);
        QCOMPARE(cup.fileName, path("good.rz3"));
        QVERIFY(cup.changed());
    }

    void saveOrdersByNameAndWritesExactly() {
        TCupData cup;
        cup.replaceContent(parseCupFile(tidyFile()), path("saved.rz3"));
        teilsort(cup, -1, kStartnummer);
        QCOMPARE(cup.teil.cell(kName, 1), QStringLiteral("Ähm"));
        speichern(cup);
        QCOMPARE(cup.teil.cell(kName, 1), QStringLiteral("Zahn"));
        QCOMPARE(readWholeFile(path("saved.rz3"), kMaxCupFileSize), tidyFile());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.tmp-*")}, QDir::Files), QStringList());
    }

    void unencodableCharacterIsRefused() {
        writeBytes(path("previous.rz3"), newCupFile());
        TCupData cup;
        cup.fileName = path("previous.rz3");
        cup.teil.setRowCount(2);
        cup.teil.setCell(kName, 1, QStringLiteral("Łukasiewicz"));
        const QString message = errorOf([&] { speichern(cup); });
        QVERIFY(message.contains(QStringLiteral("„Łukasiewicz“")));
        QVERIFY(message.contains(QStringLiteral("Teilnehmer, Zeile 1, Spalte „Name“")));
        QVERIFY(message.contains(QStringLiteral("„Ł“")));
        QCOMPARE(readWholeFile(path("previous.rz3"), kMaxCupFileSize), newCupFile());

        // The euro sign and typographic quotes are Windows-1252 characters.
        cup.teil.setCell(kName, 1, QStringLiteral("„Euro“ €"));
        speichern(cup);
        QVERIFY(readWholeFile(path("previous.rz3"), kMaxCupFileSize).contains("\x84" "Euro\x93 \x80|"));
    }

    void failedWriteLeavesPreviousFile() {
        writeBytes(path("full.rz3"), newCupFile());
        TCupData cup;
        cup.fileName = path("full.rz3");
        cup.name = QString(5000, u'x');
        // A file size limit makes the write fail half way, as a full disk would.
        const QString message = errorOf([&] {
            const test::FileSizeLimit full(1000);
            speichern(cup);
        });
        QCOMPARE(message, QStringLiteral("I/O-Fehler %1").arg(EFBIG));
        QCOMPARE(readWholeFile(path("full.rz3"), kMaxCupFileSize), newCupFile());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("full.rz3.tmp-*")}, QDir::Files), QStringList());
    }

    void saveGoesThroughLinks() {
        writeBytes(path("target.rz3"), "alt");
        QCOMPARE(::symlink("target.rz3", QFile::encodeName(path("link.rz3")).constData()), 0);
        TCupData cup;
        cup.fileName = path("link.rz3");
        speichern(cup);
        QVERIFY(QFileInfo(path("link.rz3")).isSymLink());
        QCOMPARE(readWholeFile(path("target.rz3"), kMaxCupFileSize), newCupFile());
    }

    void saveKeepsPermissions() {
        const auto mode = [&](const char* name) {
            struct stat info {};
            ::stat(QFile::encodeName(path(name)).constData(), &info);
            return info.st_mode & 07777;
        };
        TCupData cup;
        writeBytes(path("private.rz3"), "alt");
        QVERIFY(::chmod(QFile::encodeName(path("private.rz3")).constData(), 0600) == 0);
        cup.fileName = path("private.rz3");
        speichern(cup);
        QCOMPARE(mode("private.rz3"), 0600u);

        const mode_t umask = ::umask(027);
        cup.fileName = path("fresh.rz3");
        speichern(cup);
        ::umask(umask);
        QCOMPARE(mode("fresh.rz3"), 0640u);
    }

    void writeProtectedFileIsRefused() {
        // Refused by its permission bits, also when the tests run as the superuser.
        writeBytes(path("protected.rz3"), "alt");
        QVERIFY(::chmod(QFile::encodeName(path("protected.rz3")).constData(), 0444) == 0);
        TCupData cup;
        cup.fileName = path("protected.rz3");
        QCOMPARE(errorOf([&] { speichern(cup); }), QStringLiteral("I/O-Fehler 13"));
        QCOMPARE(readWholeFile(path("protected.rz3"), kMaxCupFileSize), QByteArray("alt"));
    }

    void longestNamesCanBeSaved() {
        // 255 bytes, the longest name a folder holds; the second of two-byte characters.
        for (const QString& name : {QString(251, u'x') + QStringLiteral(".rz3"), QString(125, u'ä') + QStringLiteral("x.rz3")}) {
            QCOMPARE(QFile::encodeName(name).size(), 255);
            TCupData cup;
            cup.fileName = m_dir.filePath(name);
            speichern(cup);
            QCOMPARE(readWholeFile(cup.fileName, kMaxCupFileSize), newCupFile());
        }
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.tmp-*")}, QDir::Files), QStringList());
    }

    void saveIntoMissingFolderFails() {
        TCupData cup;
        cup.fileName = path("no/such/folder/cup.rz3");
        QCOMPARE(errorOf([&] { speichern(cup); }), QStringLiteral("I/O-Fehler 2"));
    }
};

QTEST_GUILESS_MAIN(TestCupFile)
#include "tst_cupfile.moc"
