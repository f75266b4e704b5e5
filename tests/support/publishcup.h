#pragma once
// A cup whose texts hold everything a published page or table must take safely: "<", "&",
// quotes, semicolons and characters some reader could take for a line break.

#include "testcup.h"

namespace rzv::test {

// `umbruch` is put into a name, a first name and a club: line-break-like characters that the cup
// can hold (a cup file cannot hold CR, LF or the Unicode separators).
inline TCupContent feindlicherCup(bool mitCups, const QString& umbruch) {
    TestCup t(mitCups);
    t.cup.name = QStringLiteral("Pokal \"Süd\"; <Nord> & Co");
    t.cup.veranstalter = QStringLiteral("LG <b>Süd</b> & \"Nord\"; e.V.");
    t.cup.max = 2;
    t.race(kZeitlauf, QStringLiteral("07.03.2026"), QStringLiteral("10000m"));
    t.race(kDistanzlauf, QStringLiteral("21.03.2026"), QStringLiteral("1:00'00,0\""), "2", "1");
    const auto cupName = [&](const char* name) {
        return mitCups ? QString::fromUtf8(name) : QString();
    };
    t.person(QStringLiteral("Müller; \"Blitz\""), QStringLiteral("Jörg") + umbruch + u'X',
             QStringLiteral("M30"), {QStringLiteral("0:38'12,4\""), QStringLiteral("12000m")},
             cupName("A-Cup"), QStringLiteral("Rot&Weiß; <1860>"));
    t.person(QStringLiteral("<Öztürk>"), QStringLiteral("Ülkü"), QStringLiteral("F30"),
             {QStringLiteral("0:41'00,0\""), QStringLiteral("n.a.")}, cupName("A-Cup"),
             QStringLiteral("TSV \"Süd\"") + umbruch);
    t.person(QStringLiteral("Groß & Klein") + umbruch, QStringLiteral("Käthe"), QStringLiteral("F30"),
             {QStringLiteral("0:41'00,0\""), QStringLiteral("11000m")}, cupName("A-Cup"),
             QStringLiteral("&nbsp;&amp;"), QStringLiteral("01.02.1990"));
    t.person(QStringLiteral("Weiß"), QStringLiteral("Sören"), QStringLiteral("M30"),
             {QStringLiteral("v."), QStringLiteral("10500m")}, cupName("B-Cup"),
             QStringLiteral("=SUMME(A1)"));
    t.person(QStringLiteral("Bäcker"), QStringLiteral("Anna"), QStringLiteral("F30"),
             {QString(), QStringLiteral("d.")}, cupName("A-Cup"), QString());
    return t.cup;
}

} // namespace rzv::test
