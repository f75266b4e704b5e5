#pragma once
// The small cups of the team tests, computed by hand in the tests.

#include "testcup.h"

namespace rzv::test {

// Three races: a time race, a distance race that counts double plus 5, a time race. Clubs TV
// Nord, SC Ost and LG West; one runner without a club.
inline TestCup clubCup() {
    TestCup t(false);
    t.race(kZeitlauf, "05.01.2026");
    t.race(kDistanzlauf, "12.01.2026", QString(), "2", "5");
    t.race(kZeitlauf, "19.01.2026");
    const QString nord = QStringLiteral("TV Nord"), ost = QStringLiteral("SC Ost");
    t.person("Amsel", "Anna", "F30", {"0:40'00,0\"", "10000m", "0:41'00,0\""}, {}, nord);
    t.person("Berger", "Bea", "F30", {"0:42'00,0\"", "9500m", "n.a."}, {}, nord);
    t.person("Czerny", "Cora", "F30", {"0:45'00,0\"", "", "0:43'00,0\""}, {}, nord);
    t.person("Eck", "Eva", "F30", {"0:41'00,0\"", "9200m", ""}, {}, ost);
    t.person("Dietz", "Dora", "F30", {"0:41'00,0\"", "10500m", "0:40'00,0\""}, {}, ost);
    const QString west = QStringLiteral("LG West");
    t.person("Fink", "Frida", "F30", {"0:39'00,0\""}, {}, west);
    t.person("Hahn", "Hanna", "F30", {"0:50'00,0\""}, {}, west);
    t.person("Gans", "Gabi", "F30", {"0:30'00,0\"", "20000m"}, {}, QStringLiteral("Vereinslos"));
    t.person("Igel", "Ingo", "M30", {"0:35'00,0\"", "12000m", "0:36'00,0\""}, {}, nord);
    t.person("Jung", "Jan", "M30", {"0:37'00,0\"", "11000m", ""}, {}, nord);
    t.person("Lang", "Lutz", "M30", {"0:36'30,0\"", "d.", "0:38'00,0\""}, {}, ost);
    t.person("Kunz", "Kai", "M30", {"0:36'00,0\"", "11500m", "0:35'00,0\""}, {}, ost);
    return t;
}

// One time race in a cup with the cup variations A-, B- and C-Cup; one runner in none of them.
inline TestCup cupVariationCup() {
    TestCup t(true);
    t.race(kZeitlauf, "05.01.2026");
    const QString nord = QStringLiteral("TV Nord");
    t.person("Amsel", "Anna", "F30", {"0:40'00,0\""}, "A-Cup", nord);
    t.person("Berger", "Bea", "F30", {"0:42'00,0\""}, "A-Cup", nord);
    t.person("Czerny", "Cora", "F30", {"0:20'00,0\""}, "B-Cup", nord);
    t.person("Dietz", "Dora", "F30", {"0:21'00,0\""}, "B-Cup", nord);
    t.person("Eck", "Eva", "F30", {"0:10'00,0\""}, "", nord);
    t.person("Igel", "Ingo", "M30", {"0:18'00,0\""}, "B-Cup", QStringLiteral("SC Ost"));
    return t;
}

} // namespace rzv::test
