#include "publish/publishtables.h"

#include "cup/notation.h"
#include "cup/textorder.h"
#include "publish/csvtable.h"
#include "reports/gesamt.h"
#include "reports/laufergebnis.h"
#include "scoring/placing.h"
#include "scoring/points.h"
#include "scoring/standing.h"

#include <vector>

namespace rzv {

namespace {

// The points of race k towards the cup, empty without a valid result.
QString laufpunkte(const TCupContent& cup, const Plaetze& plaetze, Punkterechner& rechner, int k,
                   int row) {
    if (!istGueltig(cup.teil.cell(resultColumn(k), row))) return {};
    return QString::number(rechner.laufwertung(k, plaetze.platz(k, row)));
}

} // namespace

Laufergebnistabelle laufergebnisMitTabelle(Ausgabe& ausgabe, TCupContent& cup, int k) {
    std::vector<Listeneintrag> eintraege;
    ausgabe_laufergebnis(ausgabe, cup, k,
                         [&](const Listeneintrag& eintrag) { eintraege.push_back(eintrag); });
    // The places behind the points are counted on the table as the report left it ordered.
    const Plaetze plaetze(cup, k);
    Punkterechner rechner(cup);
    const bool mitCup = cup.hasCupVariations();
    const TCellGrid& teil = cup.teil;

    Laufergebnistabelle ergebnis;
    CsvTabelle tabelle;
    tabelle.zeile(gruppenfelder(mitCup, QStringLiteral("Cup"), QStringLiteral("Altersgruppe")) +
                  QStringList{QStringLiteral("Platz"), QStringLiteral("Name"),
                              QStringLiteral("Vorname"), QStringLiteral("Verein"),
                              QStringLiteral("Ergebnis"), QStringLiteral("Punkte")});
    for (const Listeneintrag& eintrag : eintraege) {
        const QString punkte = laufpunkte(cup, plaetze, rechner, k, eintrag.row);
        if (!punkte.isEmpty()) ++ergebnis.imZiel;
        tabelle.zeile(gruppenfelder(mitCup, eintrag.cupVariation, eintrag.bezeichnung) +
                      QStringList{platzfeldCsv(eintrag.platz), teil.cell(kName, eintrag.row),
                                  teil.cell(kVorname, eintrag.row), teil.cell(kVerein, eintrag.row),
                                  abk2volltext(teil.cell(resultColumn(k), eintrag.row)), punkte});
    }
    ergebnis.csv = tabelle.bytes();
    return ergebnis;
}

QByteArray gesamtstandMitTabelle(Ausgabe& ausgabe, TCupContent& cup, int n) {
    const Gesamtstand stand(cup, n);
    const Plaetze plaetze(cup, n);
    Punkterechner rechner(cup);
    const bool mitCup = cup.hasCupVariations();
    const TCellGrid& teil = cup.teil;

    CsvTabelle tabelle;
    QStringList kopf =
        gruppenfelder(mitCup, QStringLiteral("Cup"), QStringLiteral("Altersgruppe")) +
        QStringList{QStringLiteral("Platz"), QStringLiteral("Name"), QStringLiteral("Vorname"),
                    QStringLiteral("Jahrgang"), QStringLiteral("Verein")};
    for (int k = 1; k <= n; ++k)
        kopf << QStringLiteral("Lauf %1").arg(k);
    tabelle.zeile(kopf << QStringLiteral("Gesamt"));
    gesamt_vorschau(ausgabe, cup, n, [&](const Listeneintrag& eintrag) {
        const int row = eintrag.row;
        QStringList felder =
            gruppenfelder(mitCup, eintrag.cupVariation, eintrag.bezeichnung) +
            QStringList{platzfeldCsv(eintrag.platz), teil.cell(kName, row),
                        teil.cell(kVorname, row), copyChars(teil.cell(kGeburtsdatum, row), 7, 4),
                        teil.cell(kVerein, row)};
        for (int k = 1; k <= n; ++k)
            felder << laufpunkte(cup, plaetze, rechner, k, row);
        tabelle.zeile(felder << eintrag.wert);
    });
    return tabelle.bytes();
}

} // namespace rzv
