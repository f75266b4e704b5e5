// Folding of names and clubs, the boundary between similar runners and namesakes, and the index
// that finds duplicates without comparing all pairs, checked against comparing all pairs.
#include "cup/cupdata.h"
#include "identity/clubgroups.h"
#include "identity/duplicates.h"
#include "identity/likeness.h"
#include "identity/spelling.h"

#include <QtTest>
#include <random>

using namespace rzv;

namespace {

TCellGrid participants(const std::vector<QStringList>& rows) {
    TCellGrid teil(kTeilFixedCols, 1);
    for (const QStringList& fields : rows) {
        const int row = teil.rowCount();
        teil.setRowCount(row + 1);
        for (int c = 0; c < fields.size(); ++c) teil.setCell(c, row, fields[c]);
    }
    return teil;
}

} // namespace

class TestIdentity : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foldsSpelling_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folded");
        QTest::newRow("case") << QStringLiteral("MüLLER") << QStringLiteral("mueller");
        QTest::newRow("ue written out") << QStringLiteral("Mueller") << QStringLiteral("mueller");
        QTest::newRow("capital umlauts") << QStringLiteral("ÄÖÜ") << QStringLiteral("aeoeue");
        QTest::newRow("sharp s") << QStringLiteral("Groß") << QStringLiteral("gross");
        QTest::newRow("capital sharp s") << QStringLiteral("GROẞ") << QStringLiteral("gross");
        QTest::newRow("decomposed umlaut") << QStringLiteral("Mu\u0308ller") << QStringLiteral("mueller");
        QTest::newRow("decomposed capital") << QStringLiteral("U\u0308lku\u0308") << QStringLiteral("uelkue");
        QTest::newRow("acute") << QStringLiteral("José") << QStringLiteral("jose");
        QTest::newRow("stroke l") << QStringLiteral("Łukasz") << QStringLiteral("lukasz");
        QTest::newRow("cedilla") << QStringLiteral("Şahin") << QStringLiteral("sahin");
        QTest::newRow("caron") << QStringLiteral("Dvořák") << QStringLiteral("dvorak");
        QTest::newRow("slashed o") << QStringLiteral("Søren") << QStringLiteral("soren");
        QTest::newRow("hyphen") << QStringLiteral("Hans-Peter") << QStringLiteral("hans peter");
        QTest::newRow("dash and blanks") << QStringLiteral("Hans – Peter") << QStringLiteral("hans peter");
        QTest::newRow("apostrophe") << QStringLiteral("O'Neill") << QStringLiteral("o neill");
        QTest::newRow("typographic apostrophe") << QStringLiteral("O’Neill") << QStringLiteral("o neill");
        QTest::newRow("dot") << QStringLiteral("St.Pierre") << QStringLiteral("st pierre");
        QTest::newRow("blank runs and ends") << QStringLiteral("  Anna \t Maria ") << QStringLiteral("anna maria");
        QTest::newRow("no-break space") << QStringLiteral("Anna\u00a0Maria") << QStringLiteral("anna maria");
        QTest::newRow("separators only") << QStringLiteral(" -.' ") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("comma stays") << QStringLiteral("a,b") << QStringLiteral("a,b");
    }
    void foldsSpelling() {
        QFETCH(QString, typed);
        QFETCH(QString, folded);
        QCOMPARE(foldSpelling(typed), folded);
    }

    // Name, first name, birth date, gender of two runners, and how alike they are as participants
    // of one cup.
    void tellsSimilarFromNamesakes_data() {
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("letters");
        const auto p = [](const char* name, const char* vorname, const char* date, const char* gender = "männlich") {
            return QStringList{QString::fromUtf8(name), QString::fromUtf8(vorname), QString::fromUtf8(date),
                               QString::fromUtf8(gender)};
        };
        QTest::newRow("umlauts written out") << p("Müller", "Jürgen", "03.05.1971") << p("Mueller", "Juergen", "03.05.1971")
                                             << int(Likeness::Same) << 0;
        QTest::newRow("swapped") << p("Jürgen", "Müller", "03.05.1971") << p("Müller", "Jürgen", "03.05.1971")
                                 << int(Likeness::Same) << 0;
        QTest::newRow("year alone against full date") << p("Müller", "Jürgen", "01.01.1971")
                                                      << p("Müller", "Jürgen", "03.05.1971") << int(Likeness::Same) << 0;
        QTest::newRow("full dates differ") << p("Müller", "Jürgen", "04.05.1971") << p("Müller", "Jürgen", "03.05.1971")
                                           << int(Likeness::Different) << 0;
        QTest::newRow("other first name") << p("Lange", "Bärbel", "01.01.1960", "weiblich")
                                          << p("Lange", "Ursula", "01.01.1960", "weiblich") << int(Likeness::Different) << 0;
        QTest::newRow("one letter") << p("Meier", "Hans", "01.01.1980") << p("Meyer", "Hans", "01.01.1980")
                                    << int(Likeness::Spelling) << 1;
        QTest::newRow("two letters in two names") << p("Meier", "Hans", "01.01.1980") << p("Meyer", "Hanz", "01.01.1980")
                                                  << int(Likeness::Spelling) << 2;
        QTest::newRow("three letters") << p("Meier", "Hans", "01.01.1980") << p("Mayr", "Hans", "01.01.1980")
                                       << int(Likeness::Different) << 0;
        QTest::newRow("one letter, other gender") << p("Meier", "Kim", "01.01.1980")
                                                  << p("Meyer", "Kim", "01.01.1980", "weiblich") << int(Likeness::Different) << 0;
        QTest::newRow("one letter, next year") << p("Meier", "Hans", "01.01.1980") << p("Meyer", "Hans", "01.01.1981")
                                               << int(Likeness::Different) << 0;
        QTest::newRow("same names, next year") << p("Meier", "Hans", "01.01.1980") << p("Meier", "Hans", "01.01.1981")
                                               << int(Likeness::NextYear) << 0;
        QTest::newRow("same names, year before") << p("Meier", "Hans", "01.01.1980") << p("Meier", "Hans", "12.07.1979")
                                                 << int(Likeness::NextYear) << 0;
        QTest::newRow("same names, two years") << p("Meier", "Hans", "01.01.1980") << p("Meier", "Hans", "01.01.1982")
                                               << int(Likeness::Different) << 0;
        QTest::newRow("next year, full dates") << p("Meier", "Hans", "02.01.1980") << p("Meier", "Hans", "02.01.1981")
                                               << int(Likeness::Different) << 0;
        QTest::newRow("blank moved between names") << p("Anna Maria", "Schmidt", "01.01.1990", "weiblich")
                                                   << p("Anna", "Maria Schmidt", "01.01.1990", "weiblich")
                                                   << int(Likeness::Spelling) << 2;
    }
    void tellsSimilarFromNamesakes() {
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(int, kind);
        QFETCH(int, letters);
        const Person first = Person::of(a[0], a[1], a[2], a[3]);
        const Person second = Person::of(b[0], b[1], b[2], b[3]);
        const Likeness alike = duplicateLikeness(first, second);
        QCOMPARE(int(alike.kind), kind);
        QCOMPARE(alike.letters, letters);
        QCOMPARE(int(duplicateLikeness(second, first).kind), kind);
        const std::vector<DuplicatePair> pairs = findDuplicates(participants({a, b}));
        QCOMPARE(pairs.size(), size_t(kind == Likeness::Different ? 0 : 1));
    }

    void groupsClubs_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("grouped");
        QTest::newRow("folding and e.V.") << QStringLiteral("TSV Grün-Weiß") << QStringLiteral("TSV Gruen-Weiss e.V.") << true;
        QTest::newRow("e. V.") << QStringLiteral("LG Süd e. V.") << QStringLiteral("LG Süd") << true;
        QTest::newRow("eV") << QStringLiteral("Eintracht Ost eV") << QStringLiteral("Eintracht Ost") << true;
        QTest::newRow("punctuation") << QStringLiteral("LG, Süd!") << QStringLiteral("LG Süd") << true;
        QTest::newRow("two letters") << QStringLiteral("SV Hansa 1921") << QStringLiteral("SV Hansa 1912") << true;
        QTest::newRow("three letters") << QStringLiteral("LG Ulm") << QStringLiteral("LG Olpe") << false;
        QTest::newRow("other town") << QStringLiteral("Lauftreff Nord") << QStringLiteral("Lauftreff Süd") << false;
        QTest::newRow("e.V. and two letters") << QStringLiteral("TSV Grün-Weiß e.V.") << QStringLiteral("TSV Grun-Weis") << true;
        QTest::newRow("e.V. and three letters") << QStringLiteral("LG Ulm e.V.") << QStringLiteral("LG Olpe") << false;
    }
    void groupsClubs() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, grouped);
        const QString other = QStringLiteral("Sportfreunde Zehlendorf");
        const std::vector<ClubGroup> groups = clubGroups(participants(
            {{{}, {}, {}, {}, a}, {{}, {}, {}, {}, b}, {{}, {}, {}, {}, b}, {{}, {}, {}, {}, other}, {{}, {}, {}, {}, {}}}));
        QCOMPARE(groups.size(), size_t(grouped ? 2 : 3));
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&](const ClubGroup& g) { return g.front().text == b; });
        QVERIFY(group != groups.end()); // the most used spelling first
        QCOMPARE(group->front().participants, 2);
        QCOMPARE(group->size(), size_t(grouped ? 2 : 1));
    }

    // Many runners of a few years with names from a small alphabet, so that near names abound:
    // the index finds exactly the pairs that comparing all pairs finds.
    void findsWhatComparingAllPairsFinds() {
        std::mt19937 random(7);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const QString letters = QStringLiteral("aäeiouß- ");
        std::vector<QStringList> rows;
        for (int i = 0; i < 600; ++i) {
            QString name, vorname;
            for (int n = 1 + pick(7); n > 0; --n) name += letters[pick(int(letters.size()))];
            for (int n = pick(5); n > 0; --n) vorname += letters[pick(int(letters.size()))];
            rows.push_back({name, vorname, QStringLiteral("%1.01.%2").arg(1 + pick(2), 2, 10, QChar(u'0')).arg(1990 + pick(3)),
                            pick(2) ? QStringLiteral("weiblich") : QStringLiteral("männlich")});
        }
        const TCellGrid teil = participants(rows);
        std::vector<std::pair<int, int>> expected;
        for (int a = 1; a < teil.rowCount(); ++a)
            for (int b = a + 1; b < teil.rowCount(); ++b)
                if (duplicateLikeness(Person::ofRow(teil, a), Person::ofRow(teil, b)).kind != Likeness::Different)
                    expected.emplace_back(a, b);
        std::vector<std::pair<int, int>> found;
        for (const DuplicatePair& pair : findDuplicates(teil)) found.emplace_back(pair.first, pair.second);
        QVERIFY(expected.size() > 500);
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestIdentity)
#include "tst_identity.moc"
