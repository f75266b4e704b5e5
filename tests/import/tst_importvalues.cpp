// Values of import files in the cup's notation: start numbers, birth dates and years, gender,
// results of timing systems and characters the cup file cannot hold.
#include "cup/cupdata.h"
#include "import/charreplace.h"
#include "import/importvalues.h"

#include <QtTest>

using namespace rzv;

namespace {

// The stored text, or "refused: reason".
QString shown(const ImportValue& value) {
    return value.ok() ? value.text : QStringLiteral("refused: ") + value.refusal;
}

} // namespace

class TestImportValues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void values_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("stored");
        const QList<std::tuple<const char*, const char*, const char*>> cases{
            {"sn", "7", "007"},
            {"sn", " 0042 ", "042"},
            {"sn", "1000", "1000"},
            {"sn", "0", "refused: Startnummer „0“ ungültig"},
            {"sn", "A12", "refused: Startnummer „A12“ ungültig"},
            {"date", "03.05.1984", "03.05.1984"},
            {"date", "3.5.84", "03.05.1984"},
            {"date", "1.1.05", "01.01.2005"},
            {"date", "1984-05-03", "03.05.1984"},
            {"date", "1984", "01.01.1984"},
            {"date", "31.02.2005", "31.02.2005"},
            {"date", "32.01.1984", "refused: Geburtsdatum „32.01.1984“ ungültig"},
            {"date", "01.01.1900", "refused: Geburtsdatum „01.01.1900“ ungültig"},
            {"date", "gestern", "refused: Geburtsdatum „gestern“ ungültig"},
            {"year", "1984", "01.01.1984"},
            {"year", "84", "01.01.1984"},
            {"year", "198", "refused: Jahrgang „198“ ungültig"},
            {"gender", "w", "weiblich"},
            {"gender", "W", "weiblich"},
            {"gender", "weiblich", "weiblich"},
            {"gender", "f", "weiblich"},
            {"gender", "Female", "weiblich"},
            {"gender", "m", "männlich"},
            {"gender", "M", "männlich"},
            {"gender", "männlich", "männlich"},
            {"gender", "male", "männlich"},
            {"gender", "x", "refused: Geschlecht „x“ unbekannt"},
            {"time", "0:42:31.4", "0:42'31,4\""},
            {"time", "42:31,4", "0:42'31,4\""},
            {"time", "00:42:31", "0:42'31,0\""},
            {"time", "1:02:03.45", "1:02'03,5\""},
            {"time", "1:02:03.40", "1:02'03,4\""},
            {"time", "42:59.95", "0:43'00,0\""},
            {"time", "42:31", "0:42'31,0\""},
            {"time", "75:10", "1:15'10,0\""},
            {"time", "0:42'31,4\"", "0:42'31,4\""},
            {"time", "1:59:59", "1:59'59,0\""},
            {"time", "1:60:00", "refused: Ergebnis „1:60:00“ ungültig"},
            {"time", "1:00:60", "refused: Ergebnis „1:00:60“ ungültig"},
            {"time", "12345m", "refused: Strecke „12345m“ in einem Zeitlauf"},
            {"time", "schnell", "refused: Ergebnis „schnell“ ungültig"},
            {"dist", "12345", "12345m"},
            {"dist", "12345m", "12345m"},
            {"dist", "12,345 km", "12345m"},
            {"dist", "12.345", "12345m"},
            {"dist", "12,3 km", "12300m"},
            {"dist", "12345,7 m", "12345m"},
            {"dist", "0:42:31", "refused: Zeit „0:42:31“ in einem Distanzlauf"},
            {"dist", "12.5", "refused: Ergebnis „12.5“ ungültig"},
            {"time", "DNS", "n.a."},
            {"dist", "n.a.", "n.a."},
            {"time", "nicht angetreten", "n.a."},
            {"time", "DSQ", "d."},
            {"time", "DQ", "d."},
            {"time", "disq.", "d."},
            {"time", "DNF", "o.L."},
            {"time", "aufgegeben", "o.L."},
            {"dist", "verletzt", "v."},
        };
        for (const auto& [kind, input, stored] : cases)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind, input)))
                << QString::fromUtf8(kind) << QString::fromUtf8(input) << QString::fromUtf8(stored);
        // Two digits name this year at most, the next one a hundred years back.
        const int now = QDate::currentDate().year();
        for (const int year : {now, now + 1})
            QTest::newRow(qPrintable(QStringLiteral("year of %1 as two digits").arg(year)))
                << "year" << QString::number(year % 100).rightJustified(2, u'0')
                << QStringLiteral("01.01.%1").arg(year > now ? year - 100 : year);
    }

    void values() {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, stored);
        ImportValue value;
        if (kind == u"sn") value = importStartNumber(input);
        if (kind == u"date") value = importBirthDate(input);
        if (kind == u"year") value = importBirthYear(input);
        if (kind == u"gender") value = importGender(input);
        if (kind == u"time") value = importResult(input, kZeitlauf);
        if (kind == u"dist") value = importResult(input, kDistanzlauf);
        QCOMPARE(shown(value), stored);
    }

    void replacements_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replaced");
        QTest::newRow("Polish") << "Łukasz Wróbel-Żak" << "Lukasz Wróbel-Zak";
        QTest::newRow("Hungarian") << "Erdős" << "Erdos";
        QTest::newRow("Romanian") << "Ștefan Țurcan" << "Stefan Turcan";
        QTest::newRow("Czech") << "Dvořák" << "Dvorák";
        QTest::newRow("Turkish") << "Işık Ğ" << "Isik G";
        QTest::newRow("what the file holds stays") << "Müller Straße Zoë" << "Müller Straße Zoë";
        QTest::newRow("no replacement") << "李" << "-";
        QTest::newRow("a combining mark of its own") << "Le\u030Ana" << "Lena";
        QTest::newRow("nothing but a mark") << "\u030A" << "-";
    }

    void replacements() {
        QFETCH(QString, text);
        QFETCH(QString, replaced);
        QCOMPARE(cp1252Replacement(text).value_or(QStringLiteral("-")), replaced);
    }
};

QTEST_GUILESS_MAIN(TestImportValues)
#include "tst_importvalues.moc"
