#include "cupgenerator.h"

#include "cup/notation.h"
#include "cup/ordering.h"

#include <QDate>
#include <random>

namespace rzv::bench {

namespace {

const QStringList kSurnames{
    QStringLiteral("Müller"),  QStringLiteral("Schäfer"), QStringLiteral("Groß"),   QStringLiteral("Weiß"),
    QStringLiteral("Köhler"),  QStringLiteral("Schmidt"), QStringLiteral("Bäcker"), QStringLiteral("Löffler"),
    QStringLiteral("Fuchs"),   QStringLiteral("Krüger"),  QStringLiteral("Jäger"),  QStringLiteral("Hoffmann"),
    QStringLiteral("Öztürk"),  QStringLiteral("Wagner"),  QStringLiteral("Meißner"), QStringLiteral("Zimmermann"),
};
const QStringList kWomen{QStringLiteral("Anna"), QStringLiteral("Jürgen-Marie"), QStringLiteral("Käthe"),
                         QStringLiteral("Lena"), QStringLiteral("Sophie"), QStringLiteral("Ülkü")};
const QStringList kMen{QStringLiteral("Jörg"), QStringLiteral("Lukas"), QStringLiteral("Björn"),
                       QStringLiteral("Hans-Günter"), QStringLiteral("Max"), QStringLiteral("Sören")};
const QStringList kClubs{QStringLiteral("LG Süd"), QStringLiteral("TSV Grün-Weiß"), QStringLiteral("SC Föhr"),
                         QStringLiteral("Lauftreff Rot&Weiß"), QStringLiteral("TuS Bärenfels"), QString()};
const QStringList kCodes{QStringLiteral("n.a."), QStringLiteral("v."), QStringLiteral("d."), QStringLiteral("o.L.")};

QString date(const QDate& d) { return d.toString(QStringLiteral("dd.MM.yyyy")); }

QString ageGroupFor(const TCellGrid& ag, int age, bool female) {
    for (int row = 1; row < ag.rowCount(); ++row)
        if (ag.cell(2, row).toInt() >= age) return ag.cell(female ? 0 : 1, row);
    return ag.cell(female ? 0 : 1, ag.rowCount() - 1);
}

} // namespace

TCupContent generateCup(int participants, int races, int subCups, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    TCupContent cup = newCupContent();
    cup.name = QStringLiteral("Rundenpokal Süd-Württemberg");
    cup.veranstalter = QStringLiteral("LG Süd e.V.");
    cup.cv.setRowCount(subCups + 1);
    for (int v = 1; v <= subCups; ++v) {
        cup.cv.setCell(0, v, QString(QChar(u'A' + v - 1)) + QStringLiteral("-Cup"));
        cup.cv.setCell(1, v, QString::number(12000 - 3000 * v) + u'm');
        cup.cv.setCell(2, v, checktime(QString::number(10000 * (7 - v))));
    }

    cup.laufe.setColCount(races + 1);
    cup.teil.resize(kTeilFixedCols + races, participants + 1);
    const QDate seasonStart(2026, 3, 7);
    for (int k = 1; k <= races; ++k) {
        const bool timed = k % 3 != 0;
        const QDate day = seasonStart.addDays(14 * (k - 1));
        cup.laufe.setCell(k, kLauftyp, timed ? kZeitlauf : kDistanzlauf);
        cup.laufe.setCell(k, kDatum, date(day));
        cup.laufe.setCell(k, kCuplauf, subCups > 0 ? QStringLiteral("ja") : (timed ? QStringLiteral("10000m") : QStringLiteral("1:00'00,0\"")));
        cup.laufe.setCell(k, 4, kClubs[k % 5]);
        cup.laufe.setCell(k, 10, QStringLiteral("Lauffeld %1").arg(k));
        cup.laufe.setCell(k, kDlvNummer, QStringLiteral("26%1").arg(k, 4, 10, QChar(u'0')));
        cup.laufe.setCell(k, kBonusfaktor, k == races ? QStringLiteral("2") : QString());
        cup.laufe.setCell(k, kBonussummand, k % 5 == 0 ? QStringLiteral("3") : QString());
        cup.teil.setCell(resultColumn(k), 0, date(day));
    }

    for (int p = 1; p <= participants; ++p) {
        const bool female = pick(2) == 0;
        const int birthYear = 1940 + pick(78);
        cup.teil.setCell(kName, p, kSurnames[pick(static_cast<int>(kSurnames.size()))]);
        cup.teil.setCell(kVorname, p, (female ? kWomen : kMen)[pick(6)]);
        cup.teil.setCell(kGeburtsdatum, p, date(QDate(birthYear, 1 + pick(12), 1 + pick(28))));
        cup.teil.setCell(kGeschlecht, p, female ? QStringLiteral("weiblich") : QStringLiteral("männlich"));
        cup.teil.setCell(kVerein, p, kClubs[pick(static_cast<int>(kClubs.size()))]);
        cup.teil.setCell(kAltersgruppe, p, ageGroupFor(cup.ag, 2026 - birthYear, female));
        cup.teil.setCell(kStartnummer, p, padStartNumber(p));
        cup.teil.setCell(kCup, p, subCups > 0 ? cup.cv.cell(0, 1 + pick(subCups)) : QString());
        const int pace = 25 + pick(40); // tenths of a second per 10 metres
        for (int k = 1; k <= races; ++k) {
            const int roll = pick(100);
            QString result;
            if (roll < 35) {
                result = QString(); // did not take part
            } else if (roll < 39) {
                result = kCodes[pick(4)];
            } else if (cup.laufe.cell(k, kLauftyp) == kZeitlauf) {
                // Whole seconds only, so that equal times (ties) are common.
                const int seconds = (pace * 1000 + pick(600)) / 10;
                result = checktime(QString::number(seconds / 3600 * 100000 + seconds % 3600 / 60 * 1000 +
                                                   seconds % 60 * 10));
            } else {
                result = checkdist(QString::number(360000 / pace / 10 * 10 + pick(20) * 10));
            }
            cup.teil.setCell(resultColumn(k), p, result);
        }
    }
    agsort(cup.ag);
    cvsort(cup.cv);
    laufesort(cup.laufe, cup.teil);
    teilsort(cup, -1, kName);
    cup.min = 3;
    cup.max = std::min(races, 10);
    return cup;
}

} // namespace rzv::bench
