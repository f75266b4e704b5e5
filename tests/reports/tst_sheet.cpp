// The output sheet: line operations, fixed-width fields, report head and foot.
#include "cup/cupdata.h"
#include "reports/sheet.h"

#include <QtTest>

using namespace rzv;

class TestSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fields() {
        QCOMPARE(rechtsbuendig(QStringLiteral("7. "), 5), QStringLiteral("  7. "));
        QCOMPARE(rechtsbuendig(QStringLiteral("12. "), 5), QStringLiteral(" 12. "));
        QCOMPARE(rechtsbuendig(QStringLiteral("123456"), 3), QStringLiteral("123"));
        QCOMPARE(linksbuendig(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
        const QString name40 = QStringLiteral("Müller-Lüdenscheidt, Anna-Katharina ('98");
        QCOMPARE(name40.size(), 40);
        QCOMPARE(linksbuendig(name40, 36), name40.left(36));
        QCOMPARE(linksbuendig(QString(), 0), QString());
    }

    void lineOperations() {
        Ausgabe ausgabe;
        ausgabe.leerzeile();
        ausgabe.doppellinie();
        ausgabe.linie();
        ausgabe.p(kSchwarz, Stil::fett | Stil::unterstrichen, 12, QStringLiteral("Titel"));
        QCOMPARE(ausgabe.count(), 4);
        QCOMPARE(ausgabe.zeile(0), (Zeile{QStringLiteral(" "), kSchwarz, Stil::normal, 9}));
        QCOMPARE(ausgabe.zeile(1).text, QString(82, u'='));
        QCOMPARE(ausgabe.zeile(2).text, QString(82, u'-'));
        QVERIFY(ausgabe.zeile(3).stil.testFlag(Stil::fett));
        QVERIFY(ausgabe.zeile(3).stil.testFlag(Stil::unterstrichen));
        QVERIFY(!ausgabe.zeile(3).stil.testFlag(Stil::kursiv));
        QCOMPARE(ausgabe.zeile(3).groesse, 12);

        ausgabe.d(-2);
        QCOMPARE(ausgabe.texte(), (QStringList{QStringLiteral(" "), QString(82, u'=')}));
        ausgabe.d(0);
        QCOMPARE(ausgabe.texte(), QStringList{QString(82, u'=')});
        ausgabe.d(5);  // no such line
        ausgabe.d(-3); // more than there are
        QVERIFY(ausgabe.isEmpty());

        ausgabe.linie();
        ausgabe.setText(0, QStringLiteral("neu"));
        QCOMPARE(ausgabe.zeile(0).text, QStringLiteral("neu"));
        ausgabe.clear();
        QVERIFY(ausgabe.isEmpty());
    }

    // Handed on as written, a sheet gives the taker the lines a kept sheet holds, in order, also
    // when a report deletes its last lines after blocks went out: up to the lines kept back.
    void linesHandedOnAsWritten_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("geloescht");
        constexpr int kErsterBlock = Ausgabe::kAbgabeblock + Ausgabe::kZurueckgehalten;
        QTest::newRow("fewer than a block") << 10 << 2;
        QTest::newRow("one line short of the first block") << kErsterBlock - 1 << Ausgabe::kZurueckgehalten;
        QTest::newRow("the first block handed on by the last line") << kErsterBlock << Ausgabe::kZurueckgehalten;
        QTest::newRow("many blocks, the kept lines deleted") << 20000 << Ausgabe::kZurueckgehalten;
        QTest::newRow("deleting more than there are") << 3 << 5;
    }
    void linesHandedOnAsWritten() {
        QFETCH(int, zeilen);
        QFETCH(int, geloescht);
        const auto schreibe = [&](Ausgabe& ausgabe) {
            ausgabe.reserve(zeilen);
            for (int i = 0; i < zeilen; ++i)
                ausgabe.p(kSchwarz, i % 7 ? Stil::normal : Stil::fett, 9 + i % 3, QString::number(i));
            ausgabe.d(-geloescht);
            ausgabe.leerzeile();
        };
        Ausgabe behalten;
        schreibe(behalten);
        QList<Zeile> erhalten;
        int bloecke = 0;
        Ausgabe weitergereicht;
        weitergereicht.setAbnehmer([&](std::span<const Zeile> block) {
            erhalten.append(QList<Zeile>(block.begin(), block.end()));
            ++bloecke;
        });
        schreibe(weitergereicht);
        QVERIFY(weitergereicht.count() < Ausgabe::kAbgabeblock + Ausgabe::kZurueckgehalten);
        weitergereicht.abgeben();
        QCOMPARE(erhalten, behalten.zeilen());
        QCOMPARE(weitergereicht.count(), 0);
        QVERIFY(bloecke <= zeilen / Ausgabe::kAbgabeblock + 1);
    }

    void headAndFoot() {
        TCupContent cup = newCupContent();
        cup.veranstalter = QStringLiteral("LG Süd");
        cup.name = QStringLiteral("Winterlaufcup 2026");
        Ausgabe ausgabe;
        ausgabe.setUhr([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 14, 5)); });
        berichtskopf(ausgabe, cup);
        berichtsfuss(ausgabe);
        QCOMPARE(
            ausgabe.texte(),
            (QStringList{
                QStringLiteral("LG Süd"),
                QStringLiteral("Winterlaufcup 2026"),
                QStringLiteral(" "),
                QStringLiteral(" "),
                QString(82, u'='),
                QStringLiteral("Statistik erstellt am : 07.12.2026 um 09:14:05."),
                QStringLiteral("                        Erstellt mit Rundenzeitverwalter"),
                QStringLiteral("                        https://rundenzeitverwalter.example.org"),
            }));
        QCOMPARE(ausgabe.zeile(0).stil, Stile(Stil::fett));
        QCOMPARE(ausgabe.zeile(0).groesse, 14);
        QCOMPARE(ausgabe.zeile(1).stil, Stile(Stil::normal));
        QCOMPARE(ausgabe.zeile(1).groesse, 14);
        QCOMPARE(ausgabe.zeile(7).groesse, 9);
    }

    void footIsGermanWhateverTheLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Ausgabe ausgabe;
        ausgabe.setUhr([] { return QDateTime(QDate(2026, 1, 2), QTime(21, 3, 4)); });
        berichtsfuss(ausgabe);
        QLocale::setDefault(before);
        QCOMPARE(ausgabe.zeile(2).text,
                 QStringLiteral("Statistik erstellt am : 02.01.2026 um 21:03:04."));
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
