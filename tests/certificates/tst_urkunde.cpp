// Page layout of the certificates, checked on a recording canvas (A4 at 600 dpi unless said
// otherwise: W = 4960, H = 7016, m = 248).
#include "certificates/recordingcanvas.h"
#include "certificates/urkunde.h"

#include <QtTest>

using namespace rzv;

namespace {

const QDate kToday(2026, 5, 3);

// A text line as drawn: its text, the box it was fitted into and its top.
struct ExpectedLine {
    QString text;
    int x1;
    int x2;
    double y;
    int height;
};

RaceCertificate sampleRace() {
    return {QStringLiteral("2"),      QStringLiteral("3"),          QStringLiteral("M40"),
            QStringLiteral("A-Cup"),  QStringLiteral("10000m"),     QStringLiteral("Jörg Müller"),
            QStringLiteral("LG Süd"), QStringLiteral("0:38'12,4\"")};
}

CupCertificate sampleCup() {
    return {QStringLiteral("1"),           QStringLiteral("F30"),    QStringLiteral(""),
            QStringLiteral("Anna Schulz"), QStringLiteral("TV Ost"), QStringLiteral("57")};
}

struct Fixture {
    explicit Fixture(int style, QSize page = RecordingCanvas::kA4At600Dpi)
        : canvas(page), settings{style, QStringLiteral("Vorsitz"), QStringLiteral("Kassenwart")},
          pages(canvas, cup, settings, certificatePictures(), kToday), job(pages) {
        cup.name = QStringLiteral("Nordhafener Laufcup");
    }
    RecordingCanvas canvas;
    TCupContent cup = newCupContent();
    CertificateSettings settings;
    CertificatePages pages;
    CertificatePages::Job job;
};

// A line is centred in its box in the height the box gives (a fifth of its width).
void checkLines(const RecordingCanvas::Page& page, const QList<ExpectedLine>& expected) {
    QList<RecordingCanvas::Item> texts;
    for (const auto& item : page)
        if (!item.isImage()) texts.append(item);
    QCOMPARE(texts.size(), expected.size());
    for (int i = 0; i < texts.size(); ++i) {
        const auto& item = texts[i];
        const auto& line = expected[i];
        QCOMPARE(item.text, line.text);
        QCOMPARE(item.height, line.height);
        const int width = (int(line.text.size()) * line.height + 1) / 2;
        QCOMPARE(item.pos.x(), nearestEven(line.x1 + (line.x2 - line.x1 - width) * 0.5));
        QCOMPARE(item.pos.y(), nearestEven(line.y));
        QCOMPARE(item.fontName, QStringLiteral("Times New Roman"));
        QCOMPARE(item.color, QColor(Qt::black));
    }
}

QList<RecordingCanvas::Item> imagesOf(const RecordingCanvas::Page& page) {
    QList<RecordingCanvas::Item> images;
    for (const auto& item : page)
        if (item.isImage()) images.append(item);
    return images;
}

} // namespace

class TestUrkunde : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nearestGoesToEvenOnHalves() {
        QCOMPARE(nearestEven(2.5), 2);
        QCOMPARE(nearestEven(3.5), 4);
        QCOMPARE(nearestEven(2046.5), 2046);
        QCOMPARE(nearestEven(2.4999), 2);
        QCOMPARE(nearestEven(2.5001), 3);
        QCOMPARE(nearestEven(-0.5), 0);
        QCOMPARE(nearestEven(-1.5), -2);
    }

    void fittedLineAlignsAndMirrors() {
        Fixture f(0);
        f.pages.urkundezeile(QStringLiteral("Urkunde"), 248, 744, 4712, 1);
        f.pages.urkundezeile(QStringLiteral("abcd"), 1000, 10, 2000, 2);
        f.pages.urkundezeile(QStringLiteral("abcd"), 1000, 20.5, 2000, 0);
        f.pages.urkundezeile(QStringLiteral("abcd"), 2000, 30, 1000, 3); // mirrored: 2000..3000
        const auto& page = f.canvas.pages[0];
        // nearest(4464 * 0.2) = 893, width 7 * 893 / 2 = 3126 (rounded up).
        QCOMPARE(page[0].height, 893);
        QCOMPARE(page[0].pos, QPoint(248 + (4464 - 3126) / 2, 744));
        QCOMPARE(page[1].height, 200);
        QCOMPARE(page[1].pos, QPoint(2000 - 400, 10));
        QCOMPARE(page[2].pos, QPoint(1000, 20));
        QCOMPARE(page[3].height, 200);
        QCOMPARE(page[3].pos, QPoint(2000, 30));
    }

    void fittedLineShrinksUntilItFits() {
        Fixture f(0);
        // 40 characters in a box of 1000: (40 h + 1) / 2 <= 1000 first holds for h = 50.
        f.pages.urkundezeile(QString(40, u'x'), 0, 0, 1000, 1);
        QCOMPARE(f.canvas.pages[0][0].height, 50);
        QVERIFY(f.canvas.textWidth(QString(40, u'x')) <= 1000);
        // A text that fits at no height stops at the floor and is still drawn.
        f.pages.urkundezeile(QString(100, u'x'), 0, 0, 10, 1);
        QCOMPARE(f.canvas.pages[0][1].height, 1);
        QCOMPARE(f.canvas.pages[0][1].text, QString(100, u'x'));
    }

    void raceStyle0() {
        Fixture f(0);
        f.pages.urkunde(sampleRace());
        QCOMPARE(f.canvas.pages.size(), 1);
        const auto& page = f.canvas.pages[0];
        QVERIFY(page[0].isImage()); // the picture comes before the text
        QCOMPARE(page[0].rect, QRect(248, 2338, 1240, 3508));
        QCOMPARE(page[0].image, certificatePictures().laufer);
        QCOMPARE(imagesOf(page).size(), 1);
        checkLines(page, {
                             {QStringLiteral("Nordhafener Laufcup"), 248, 4712, 248, 469},
                             {QStringLiteral("Urkunde"), 248, 4712, 744, 893},
                             {QStringLiteral("den 2. Platz"), 1984, 4216, 1736, 372},
                             {QStringLiteral("im"), 2480, 3720, 2232, 248},
                             {QStringLiteral("3. Lauf"), 2108, 4092, 2480, 397},
                             {QStringLiteral("der Altersgruppe"), 2314, 3886, 2976, 196},
                             {QStringLiteral("M40 - A-Cup"), 2196, 4004, 3472, 328},
                             {QStringLiteral("belegte"), 2480, 3720, 3968, 248},
                             {QStringLiteral("Jörg Müller"), 2039, 4161, 4464, 385},
                             {QStringLiteral("(LG Süd)"), 2480, 3720, 4960, 248},
                             {QStringLiteral("mit"), 2480, 3720, 5208, 248},
                             {QStringLiteral("0:38'12,4\""), 2480, 3720, 5456, 248},
                             {QStringLiteral("Herzlichen Glückwunsch"), 2108, 4092, 5952, 180},
                             {QStringLiteral("Vorsitz"), 2728, 3472, 6448, 149},
                             {QStringLiteral("Kassenwart"), 2728, 3472, 6696, 148},
                             {QStringLiteral("03.05.2026"), 2232, 2728, 6696, 99},
                         });
    }

    void raceStyle1() {
        Fixture f(1);
        RaceCertificate certificate = sampleRace();
        certificate.cupVariation.clear();
        f.pages.urkunde(certificate);
        const auto& page = f.canvas.pages[0];
        QCOMPARE(page[0].rect, QRect(248, 2338, 1240, 3508));
        QCOMPARE(page[0].image, certificatePictures().lauferLeer);
        checkLines(page, {
                             {QStringLiteral("Nordhafener Laufcup"), 248, 4712, 248, 469},
                             {QStringLiteral("Urkunde"), 248, 4712, 744, 893},
                             {QStringLiteral("den 2. Platz"), 1984, 4216, 1736, 372},
                             {QStringLiteral("im"), 2480, 3720, 2232, 248},
                             {QStringLiteral("3. Lauf"), 2108, 4092, 2728, 397},
                             {QStringLiteral("der Altersgruppe"), 2314, 3886, 3224, 196},
                             {QStringLiteral("M40"), 2196, 4004, 3720, 362},
                             {QStringLiteral("belegte"), 2480, 3720, 4216, 248},
                             {QStringLiteral("Jörg Müller"), 2039, 4161, 4712, 385},
                             {QStringLiteral("Herzlichen Glückwunsch"), 2108, 4092, 5208, 180},
                             {QStringLiteral("Vorsitz"), 2728, 3472, 5952, 149},
                             {QStringLiteral("Kassenwart"), 2728, 3472, 6200, 148},
                             {QStringLiteral("03.05.2026"), 2232, 2728, 6696, 99},
                         });
    }

    void cupStyle0And1() {
        Fixture f0(0);
        f0.pages.gesamturkunde(sampleCup());
        const QStringList texts0 = f0.canvas.texts(0);
        QCOMPARE(texts0.mid(2, 8),
                 QStringList({"den 1. Platz", "in der", "Gesamtwertung", "der Altersgruppe", "F30",
                              "belegte", "Anna Schulz", "(TV Ost)"}));
        QCOMPARE(texts0.mid(10, 2), QStringList({"mit", "57 Punkten"}));
        QCOMPARE(f0.canvas.pages[0][0].image, certificatePictures().laufer);

        Fixture f1(1);
        CupCertificate certificate = sampleCup();
        certificate.cupVariation = QStringLiteral("B-Cup");
        f1.pages.gesamturkunde(certificate);
        QCOMPARE(f1.canvas.texts(0),
                 QStringList({"Nordhafener Laufcup", "Urkunde", "den 1. Platz", "in der",
                              "Gesamtwertung", "der Altersgruppe", "F30 - B-Cup", "belegte",
                              "Anna Schulz", "Herzlichen Glückwunsch", "Vorsitz", "Kassenwart",
                              "03.05.2026"}));
        QCOMPARE(f1.canvas.pages[0][0].image, certificatePictures().lauferLeer);
    }

    void longNameShrinksOnlyItsLine() {
        Fixture f(0);
        RaceCertificate certificate = sampleRace();
        certificate.name = QStringLiteral("Maximiliane Friederike von Hohenstein-Lichtenberg");
        f.pages.urkunde(certificate);
        const auto& page = f.canvas.pages[0];
        // Line 9 (inset 9, 2122 wide): 49 characters fit at (49 h + 1) / 2 <= 2122, h = 86.
        QCOMPARE(page[9].text, certificate.name);
        QCOMPARE(page[9].height, 86);
        QCOMPARE(page[8].height, 248);
        QCOMPARE(page[10].height, 248);
    }

    // Style 2 on a page whose vertical step is odd (H = 7036: Vs = 327), so half steps end in .5.
    void raceStyle2() {
        Fixture f(2, QSize(4960, 7036));
        f.cup.laufe.setColCount(4);
        f.cup.laufe.setCell(3, 10, QStringLiteral("Kranichsee"));
        f.pages.urkunde(sampleRace());
        const auto& page = f.canvas.pages[0];
        QVERIFY(!page[0].isImage()); // "Urkunde" first, then the event logo
        QVERIFY(page[1].isImage());
        const CertificatePictures& pictures = certificatePictures();
        // Hs = 223, Vs = 327; the logo row stands at 17 Vs + m = 5807.
        const QList<QPair<QRect, QImage>> images = {
            {QRect(1753, 853, 1505, 1204), pictures.eventLogo},
            {QRect(248, 5807, 223, 328), pictures.sponsorLogos[0]},
            {QRect(538, 5807, 558, 206), pictures.sponsorLogos[1]},
            {QRect(1162, 5807, 558, 223), pictures.sponsorLogos[2]},
            {QRect(1787, 5807, 446, 299), pictures.sponsorLogos[3]},
            {QRect(2300, 5807, 1226, 209), pictures.sponsorLogos[4]},
            {QRect(3593, 5807, 780, 304), pictures.sponsorLogos[5]},
            {QRect(4440, 5807, 334, 381), pictures.clubLogo},
        };
        const auto drawn = imagesOf(page);
        QCOMPARE(drawn.size(), images.size());
        for (int i = 0; i < drawn.size(); ++i) {
            QCOMPARE(drawn[i].rect, images[i].first);
            QCOMPARE(drawn[i].image, images[i].second);
        }
        checkLines(page, {
                             {QStringLiteral("Urkunde"), 1363, 3597, 248, 447},
                             {QStringLiteral("den"), 2032, 2928, 2046.5, 179},
                             {QStringLiteral("2. Platz"), 1363, 3597, 2210, 447},
                             {QStringLiteral("in der Altersklasse"), 1809, 3151, 2700.5, 141},
                             {QStringLiteral("M40"), 2032, 2928, 3027.5, 179},
                             {QStringLiteral("über"), 2032, 2928, 3354.5, 179},
                             {QStringLiteral("10000m"), 2032, 2928, 3681.5, 179},
                             {QStringLiteral("belegte"), 2032, 2928, 4008.5, 179},
                             {QStringLiteral("Jörg Müller"), 1363, 3597, 4335.5, 406},
                             {QStringLiteral("(LG Süd)"), 1809, 3151, 4826, 268},
                             {QStringLiteral("in der Zeit von"), 2032, 2928, 5153, 119},
                             {QStringLiteral("0:38'12,4\""), 2032, 2928, 5480, 179},
                             {QStringLiteral("Kranichsee, den 03.05.2026"), 248, 1590, 6461, 103},
                             {QStringLiteral("Die LaufleitungVorsitz"), 3816, 4712, 6461, 81},
                             {QStringLiteral("Leiter Abt. LeichtathletikKassenwart"), 3816, 4712,
                              6624.5, 49},
                         });
    }

    void style2SignatoriesAloneWithEmptySettings() {
        Fixture f(2);
        f.settings.unter1.clear();
        CertificatePages pages(f.canvas, f.cup, {2, {}, {}}, certificatePictures(), kToday);
        pages.urkunde(sampleRace());
        const QStringList texts = f.canvas.texts(0);
        QCOMPARE(texts.mid(texts.size() - 2),
                 QStringList({"Die Laufleitung", "Leiter Abt. Leichtathletik"}));
        QCOMPARE(texts[texts.size() - 3], QStringLiteral(", den 03.05.2026")); // no such race place
    }

    // Each certificate after the first of a job starts a page; every style counts its pages,
    // even those it leaves empty (cup certificates of style 2, unknown styles).
    void pageCounterStartsPagesFromTheSecond_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("cup");
        QTest::addColumn<int>("textsPerPage");
        QTest::newRow("race style 0") << 0 << false << 16;
        QTest::newRow("race style 1") << 1 << false << 13;
        QTest::newRow("race style 2") << 2 << false << 15;
        QTest::newRow("cup style 0") << 0 << true << 16;
        QTest::newRow("cup style 1") << 1 << true << 13;
        QTest::newRow("cup style 2") << 2 << true << 0;
        QTest::newRow("no style") << -1 << false << 0;
    }
    void pageCounterStartsPagesFromTheSecond() {
        QFETCH(int, style);
        QFETCH(bool, cup);
        QFETCH(int, textsPerPage);
        Fixture f(style);
        QCOMPARE(f.pages.pageCounter(), 1);
        for (int i = 0; i < 3; ++i) {
            if (cup)
                f.pages.gesamturkunde(sampleCup());
            else
                f.pages.urkunde(sampleRace());
            QCOMPARE(f.canvas.pages.size(), i + 1);
            QCOMPARE(f.pages.pageCounter(), i + 2);
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.canvas.texts(i).size(), textsPerPage);
        QCOMPARE(f.canvas.jobTitles, QStringList({"RZV Ausdruck"}));
    }

    void jobEndsWithItsScope() {
        RecordingCanvas canvas;
        const TCupContent cup = newCupContent();
        CertificatePages pages(canvas, cup, {}, certificatePictures(), kToday);
        {
            const CertificatePages::Job job(pages);
            pages.urkunde(sampleRace());
            pages.urkunde(sampleRace());
        }
        QCOMPARE(pages.pageCounter(), 3);
        QCOMPARE(canvas.endedJobs, 1);
        {
            const CertificatePages::Job job(pages);
            QCOMPARE(pages.pageCounter(), 1);
            pages.urkunde(sampleRace());
        }
        QCOMPARE(canvas.pages.size(), 3); // two jobs: two pages and one page
    }

    void picturesHaveTheirSizes() {
        const CertificatePictures& pictures = certificatePictures();
        QCOMPARE(pictures.laufer.size(), QSize(215, 527));
        QCOMPARE(pictures.laufer.format(), QImage::Format_Indexed8);
        QCOMPARE(pictures.lauferLeer.size(), QSize(215, 527));
        QCOMPARE(pictures.lauferLeer.format(), QImage::Format_Indexed8);
        QCOMPARE(pictures.eventLogo.size(), QSize(686, 549));
        const QSize sponsors[] = {{327, 480}, {267, 98},  {1136, 449},
                                  {165, 110}, {691, 116}, {929, 364}};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(pictures.sponsorLogos[size_t(i)].size(), sponsors[i]);
        QCOMPARE(pictures.clubLogo.size(), QSize(193, 220));
        QVERIFY(pictures.laufer != pictures.lauferLeer);
    }
};

QTEST_GUILESS_MAIN(TestUrkunde)
#include "tst_urkunde.moc"
