// The published pages in a real browser (headless Chromium, when installed) at the width of a
// phone, 390 pixels: the page itself never scrolls sideways, and ?suche= filters the lists on
// opening, hiding the groups left empty.
#include "publish/publish.h"

#include "sitecheck.h"
#include "testcup.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace rzv;

namespace {

// Twelve races, so that the standing is wide, and texts longer than a phone's line.
TCupContent breiterCup() {
    test::TestCup t(false);
    t.cup.name = QStringLiteral("Winterlaufcup der Laufgemeinschaft Sonnenhügel-Mittelgebirgsvorland 2026");
    QStringList zeiten;
    for (int k = 1; k <= 12; ++k) {
        t.race(kZeitlauf, QStringLiteral("%1.01.2026").arg(k + 10), QStringLiteral("10000m"));
        zeiten << QStringLiteral("0:4%1'00,0\"").arg(k % 10);
    }
    const QString verein = QStringLiteral("Leichtathletikgemeinschaft Sonnenhügel-Mittelgebirgsvorland");
    t.person(QStringLiteral("Zorn"), QStringLiteral("Eva"), QStringLiteral("F30"), zeiten, {}, verein);
    t.person(QStringLiteral("Adler"), QStringLiteral("Ute"), QStringLiteral("F30"), zeiten);
    t.person(QStringLiteral("Berg"), QStringLiteral("Kai"), QStringLiteral("M30"), zeiten);
    return t.cup;
}

// What the page reports once it has loaded inside a frame 390 pixels wide: its viewport width,
// its width, its visible body rows and its visible tables.
QString messeBeiHandybreite(const QString& ordner, const QString& seite, const QString& suche) {
    QFile original(ordner + u'/' + seite);
    if (!original.open(QIODevice::ReadOnly)) return QStringLiteral("fehlt");
    const QString messung = QStringLiteral(
        "<script>addEventListener('load', function () { setTimeout(function () {"
        "parent.postMessage([innerWidth, document.documentElement.scrollWidth,"
        "document.querySelectorAll('tbody tr:not([hidden])').length,"
        "document.querySelectorAll('.tabelle:not([hidden])').length].join(' '), '*');"
        "}, 0); });</script></body>");
    QFile kopie(ordner + QStringLiteral("/messung-") + seite);
    if (!kopie.open(QIODevice::WriteOnly)) return QStringLiteral("nicht schreibbar");
    kopie.write(QString::fromUtf8(original.readAll()).replace(QStringLiteral("</body>"), messung).toUtf8());
    kopie.close();
    QFile rahmen(ordner + QStringLiteral("/rahmen.html"));
    if (!rahmen.open(QIODevice::WriteOnly)) return QStringLiteral("nicht schreibbar");
    rahmen.write(QStringLiteral(
        "<!DOCTYPE html><html><body><iframe src=\"messung-%1%2\" width=\"390\" height=\"700\"></iframe>"
        "<script>addEventListener('message', function (e) { var m = document.createElement('output');"
        "m.id = 'messung'; m.textContent = e.data; document.body.appendChild(m); });</script>"
        "</body></html>").arg(seite, suche).toUtf8());
    rahmen.close();

    QTemporaryDir profil;
    QProcess chromium;
    chromium.start(QStringLiteral("chromium"),
                   {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update", "--disable-sync",
                    "--user-data-dir=" + profil.path(), "--window-size=800,800",
                    "--virtual-time-budget=5000", "--dump-dom",
                    QUrl::fromLocalFile(rahmen.fileName()).toString()});
    if (!chromium.waitForFinished(120000)) return QStringLiteral("chromium hängt");
    static const QRegularExpression ergebnis(QStringLiteral("<output id=\"messung\">([^<]*)</output>"));
    return ergebnis.match(QString::fromUtf8(chromium.readAllStandardOutput())).captured(1);
}

} // namespace

class TestSiteBrowser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
            QSKIP("chromium is not installed");
    }

    void atThePhonesWidth_data() {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("suche");
        QTest::addColumn<QString>("zeilenUndTabellen"); // visible body rows and tables
        QTest::addRow("overview") << "index.html" << "" << "12 1";
        QTest::addRow("race") << "lauf-3.html" << "" << "3 2";
        QTest::addRow("standing") << "gesamtwertung.html" << "" << "3 2";
        QTest::addRow("runner") << "teilnehmer-001.html" << "" << "12 1";
        QTest::addRow("all participants") << "teilnehmer.html" << "" << "3 2";
        QTest::addRow("search by name") << "gesamtwertung.html" << "?suche=zorn" << "1 1";
        QTest::addRow("search by club, two words") << "lauf-3.html" << "?suche=TV%20Nord" << "2 2";
        QTest::addRow("search finds nobody") << "teilnehmer.html" << "?suche=Niemand" << "0 0";
        QTest::addRow("team race") << "mannschaft-lauf-3.html" << "" << "2 1";
        QTest::addRow("team standing") << "mannschaftswertung.html" << "" << "1 1";
        QTest::addRow("search team by runner") << "mannschaft-lauf-3.html" << "?suche=adler" << "1 1";
    }
    void atThePhonesWidth() {
        QFETCH(QString, seite);
        QFETCH(QString, suche);
        QFETCH(QString, zeilenUndTabellen);
        QTemporaryDir dir;
        Mannschaftseinstellungen zuZweit; // women and men together: one team ranked
        zuZweit.groesse = 2;
        zuZweit.gemischt = true;
        veroeffentlichen(breiterCup(), dir.path(), 0, QDateTime::currentDateTime(), zuZweit);
        const QStringList werte = messeBeiHandybreite(dir.path(), seite, suche).split(u' ');
        QCOMPARE(werte.size(), 4);
        QCOMPARE(werte[0], QStringLiteral("390"));
        QVERIFY2(werte[1].toInt() <= 390, qPrintable(werte[1]));
        QCOMPARE(werte.mid(2).join(u' '), zeilenUndTabellen);
    }
};

QTEST_GUILESS_MAIN(TestSiteBrowser)
#include "tst_sitebrowser.moc"
