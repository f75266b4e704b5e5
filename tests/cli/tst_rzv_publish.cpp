// rzv publish, run as a user runs it on a saved cup whose texts hold markup, quotes, semicolons
// and line-break-like characters: the whole set is written, and its tables, read back by
// Python's csv module, give the values the reports show.
#include "cup/cupfile.h"
#include "cup/notation.h"
#include "reports/groups.h"
#include "reports/sheet.h"
#include "publishcup.h"
#include "rzvprocess.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace rzv;
using rzv::test::runRzv;

namespace {

// A participant line of a report with the group it stands in.
struct Listenzeile {
    QString cup;
    QString gruppe;
    QString text;
};

// The participant lines of a race or standings report: those between a group line and the next
// blank line.
QList<Listenzeile> listenzeilen(const QString& report) {
    QList<Listenzeile> zeilen;
    QString cup;
    QString gruppenzeile;
    bool inListe = false;
    for (const QString& zeile : report.split(u'\n')) {
        if (zeile.startsWith(QStringLiteral("Ergebnisse im "))) {
            cup = zeile.mid(14).section(u' ', 0, 0);
        } else if (zeile.startsWith(QStringLiteral("Altergruppe "))) {
            gruppenzeile = zeile.mid(12);
            inListe = true;
        } else if (zeile == u" " || zeile.isEmpty()) {
            inListe = false;
        } else if (inListe) {
            zeilen.append({cup, gruppenzeile, zeile});
        }
    }
    return zeilen;
}

// The rows of a table as Python's csv module reads them; empty when python3 is missing.
QList<QStringList> csvZeilen(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(RZV_CSV_READER), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    QList<QStringList> zeilen;
    for (const QJsonValue& zeile : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList felder;
        for (const QJsonValue& feld : zeile.toArray())
            felder << feld.toString();
        zeilen << felder;
    }
    return zeilen;
}

QByteArray dateiinhalt(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The table writes a result code in full words, the report its cut text.
QString imBericht(const QString& ergebnis) {
    for (const QString code : {"n.a.", "v.", "d.", "o.L."})
        if (ergebnis == abk2volltext(code)) return abk2text(code);
    return ergebnis;
}

// The report's name field begins with "Name, Vorname ('".
bool namensfeldPasst(const QString& zeile, const QString& name, const QString& vorname) {
    return zeile.mid(5, 36).startsWith((name + QStringLiteral(", ") + vorname + QStringLiteral(" ('")).left(36));
}

} // namespace

class TestRzvPublish : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_cup;
    QString m_ordner;

private Q_SLOTS:
    void initTestCase() {
        TCupData cup;
        static_cast<TCupContent&>(cup) = test::feindlicherCup(true, QStringLiteral("\v\x1c"));
        m_cup = m_dir.filePath(QStringLiteral("cup.rz3"));
        cup.fileName = m_cup;
        speichern(cup);
        // The team pages follow the settings beside the cup file.
        QFile teams(m_cup + QStringLiteral(".mannschaft.json"));
        QVERIFY(teams.open(QIODevice::WriteOnly));
        teams.write(R"({"groesse": 2, "gemischt": true})");
        teams.close();
        m_ordner = m_dir.filePath(QStringLiteral("web/cup"));
        const auto run = runRzv({QStringLiteral("publish"), m_cup, m_ordner});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
    }

    void writesTheWholeSet() {
        QCOMPARE(QDir(m_ordner).entryList(QDir::Files, QDir::Name),
                 (QStringList{"gesamt-nach-lauf-1.html", "gesamt-nach-lauf-2.html",
                              "gesamtwertung.csv", "gesamtwertung.html", "index.html",
                              "lauf-1.csv", "lauf-1.html", "lauf-2.csv", "lauf-2.html",
                              "mannschaft-lauf-1.csv", "mannschaft-lauf-1.html",
                              "mannschaft-lauf-2.csv", "mannschaft-lauf-2.html",
                              "mannschaftswertung.csv", "mannschaftswertung.html", "stil.css", "suche.js", "teilnehmer-001.html",
                              "teilnehmer-002.html", "teilnehmer-003.html",
                              "teilnehmer-004.html", "teilnehmer-005.html", "teilnehmer.html"}));
        QVERIFY(QString::fromUtf8(dateiinhalt(m_ordner + QStringLiteral("/mannschaft-lauf-1.html")))
                    .contains(QStringLiteral("<p>Wertung: die 2 besten Ergebnisse je Verein, Frauen "
                                             "und Männer gemeinsam</p>")));
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("web"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("cup")});
        QVERIFY(QFile(m_ordner + QStringLiteral("/index.html")).size() > 0);
    }

    void tablesReadBackAsTheReportsShow_data() {
        QTest::addColumn<QString>("tabelle");
        QTest::addColumn<QStringList>("bericht");
        QTest::addRow("race 1") << "lauf-1.csv" << QStringList{"race", m_cup, "1"};
        QTest::addRow("race 2") << "lauf-2.csv" << QStringList{"race", m_cup, "2"};
        QTest::addRow("standings") << "gesamtwertung.csv" << QStringList{"standings", m_cup, "2"};
    }
    void tablesReadBackAsTheReportsShow() {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            QSKIP("python3 is not installed");
        QFETCH(QString, tabelle);
        QFETCH(QStringList, bericht);
        const QString path = m_ordner + u'/' + tabelle;
        QVERIFY(dateiinhalt(path).startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> csv = csvZeilen(path);
        QVERIFY(!csv.isEmpty());
        const auto report = runRzv(QStringList{QStringLiteral("report")} + bericht);
        QCOMPARE(report.exitCode, 0);
        const QList<Listenzeile> zeilen = listenzeilen(report.out);
        QVERIFY(zeilen.size() >= 2);
        QCOMPARE(csv.size() - 1, zeilen.size());
        const bool stand = bericht[0] == u"standings";
        const QStringList kopf = csv[0];
        QCOMPARE(kopf.mid(0, 4), (QStringList{"Cup", "Altersgruppe", "Platz", "Name"}));
        QCOMPARE(kopf.last(), stand ? QStringLiteral("Gesamt") : QStringLiteral("Punkte"));
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const QStringList& z = csv[i + 1];
            const QString& text = zeilen[i].text;
            QCOMPARE(z.size(), kopf.size());
            QCOMPARE(z[0], zeilen[i].cup);
            QVERIFY(zeilen[i].gruppe.startsWith(z[1] + QStringLiteral(" (")));
            QCOMPARE(text.left(5), platzfeld(z[2].isEmpty() ? 0 : z[2].toInt()));
            QVERIFY2(namensfeldPasst(text, z[3], z[4]), qPrintable(text));
            if (stand) {
                QVERIFY(text.mid(5, 36).contains(QStringLiteral(" ('") + z[5].right(2) + u')'));
                QCOMPARE(text.mid(41, 28), linksbuendig(z[6], 28));
                QCOMPARE(text.right(7), rechtsbuendig(z.last(), 7));
            } else {
                QCOMPARE(text.mid(41, 30), linksbuendig(z[5], 30));
                QCOMPARE(text.mid(71), rechtsbuendig(imBericht(z[6]), 11));
            }
        }
    }

    void styleAndWrongCalls() {
        const QString ordner = m_dir.filePath(QStringLiteral("blau"));
        QCOMPARE(runRzv({"publish", m_cup, ordner, "--style", "1"}).exitCode, 0);
        QVERIFY(dateiinhalt(ordner + QStringLiteral("/index.html")).contains("<body class=\"blau\">"));
        QVERIFY(dateiinhalt(ordner + QStringLiteral("/lauf-1.html")).contains("<body class=\"blau\">"));
        QVERIFY(dateiinhalt(ordner + QStringLiteral("/stil.css")).contains("body.blau{background:#AACCFF}"));

        const QList<std::pair<QStringList, QString>> falsch{
            {{"publish", m_cup}, "Falsche Anzahl von Angaben: 1 statt 2."},
            {{"publish", m_cup, ordner, "--style", "2"}, "Die Option --style erwartet 0 oder 1."},
            {{"publish", m_cup, ordner, "--style"}, "Die Option --style braucht einen Wert."},
            {{"publish", m_cup, ordner, "--html", "x"}, "Unbekannte Option --html."},
        };
        for (const auto& [aufruf, meldung] : falsch) {
            const auto run = runRzv(aufruf);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.startsWith(QStringLiteral("rzv: ") + meldung +
                                        QStringLiteral("\nAufruf:\nrzv publish")),
                     qPrintable(run.err));
        }
        const auto fehlt = runRzv({"publish", m_dir.filePath(QStringLiteral("fehlt.rz3")), ordner});
        QCOMPARE(fehlt.exitCode, 1);
        QCOMPARE(fehlt.err, QStringLiteral("rzv: I/O-Fehler 2\n"));
    }
};

QTEST_GUILESS_MAIN(TestRzvPublish)
#include "tst_rzv_publish.moc"
