#include "reports/gesamt.h"

#include "cup/notation.h"
#include "reports/groups.h"
#include "reports/sheet.h"
#include "scoring/numbertexts.h"
#include "scoring/runningplace.h"
#include "scoring/standing.h"

namespace rzv {

namespace {

QString spaltenkopf() {
    return linksbuendig(QStringLiteral("Pos."), 5) +
           linksbuendig(QStringLiteral("Name, Vorname"), 36) +
           linksbuendig(QStringLiteral("Verein"), 28) + rechtsbuendig(QStringLiteral("Läufe"), 6) +
           rechtsbuendig(QStringLiteral("Punkte"), 7);
}

} // namespace

void gesamt_vorschau(Ausgabe& ausgabe, TCupContent& cup, int n, const Listenleser& leser) {
    ausgabe.clear();
    berichtskopf(ausgabe, cup);
    ausgabe.p(kSchwarz, Stil::fett, 12,
              n == cup.raceCount()
                  ? QStringLiteral("Gesamtergebnis")
                  : QStringLiteral("vorl. Gesamtergebnis nach Lauf ") + QString::number(n));

    TCellGrid& teil = cup.teil;
    const int platzSp = platzSpalte(cup);
    const int teilnahmenSp = teilnahmenSpalte(cup);
    const int summenSp = summenSpalte(cup);
    const Gruppenindex index(cup, [](int) { return true; });
    Zahltexte plaetze;
    Gruppenlayout layout;
    layout.spaltenkopf = spaltenkopf();
    layout.cupTitel = [&](int v) { return QStringLiteral("Ergebnisse im ") + cup.cv.cell(0, v); };
    layout.liste = [&](const QString& bezeichnung, const QString& cupVariation) {
        const std::vector<int>& zeilen = index.zeilen(bezeichnung, cupVariation);
        Standplatz platzierung;
        for (int row : zeilen) {
            const QString& teilnahmen = teil.cell(teilnahmenSp, row);
            const QString& summe = teil.cell(summenSp, row);
            const bool unterMinimum = toInt(teilnahmen) < cup.min;
            const int platz = platzierung.naechster(unterMinimum, summe);
            teil.setCell(platzSp, row, plaetze.text(platzierung.letzterPlatz()));
            const QString punkte = unterMinimum ? QStringLiteral("---") : summe;
            QString zeile = listenzeile(teil, row, platz, 28);
            rechtsAnhaengen(zeile, teilnahmen, 6);
            rechtsAnhaengen(zeile, punkte, 7);
            ausgabe.p(kSchwarz, Stil::normal, 9, zeile);
            if (leser) leser({row, platz, punkte, bezeichnung, cupVariation});
        }
        return static_cast<int>(zeilen.size());
    };
    schreibeGruppen(ausgabe, cup, layout);
    berichtsfuss(ausgabe);
}

void ausgabe_gesamt(Ausgabe& ausgabe, TCupContent& cup, int n) {
    const Gesamtstand stand(cup, n);
    gesamt_vorschau(ausgabe, cup, n);
}

} // namespace rzv
