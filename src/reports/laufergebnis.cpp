#include "reports/laufergebnis.h"

#include "cup/notation.h"
#include "cup/ordering.h"
#include "reports/groups.h"
#include "reports/sheet.h"
#include "scoring/runningplace.h"

namespace rzv {

namespace {

QString spaltenkopf() {
    return linksbuendig(QStringLiteral("Pos."), 5) +
           linksbuendig(QStringLiteral("Name, Vorname"), 36) +
           linksbuendig(QStringLiteral("Verein"), 30) +
           rechtsbuendig(QStringLiteral("Ergebnis"), 11);
}

QString ergebniszeile(const TCellGrid& teil, int row, const QString& gezeigt, int platz) {
    QString zeile = listenzeile(teil, row, platz, 30);
    rechtsAnhaengen(zeile, gezeigt, 11);
    return zeile;
}

} // namespace

void ausgabe_laufergebnis(Ausgabe& ausgabe, TCupContent& cup, int k, const Listenleser& leser) {
    ausgabe.clear();
    const int spalte = resultColumn(k);
    teilsort(cup, -1, kName);
    teilsort(cup, -1, spalte);
    berichtskopf(ausgabe, cup);
    laufkopf(ausgabe, cup, k, QStringLiteral("Ergebnisse vom "));

    const TCellGrid& teil = cup.teil;
    const Gruppenindex index(cup, [&](int row) { return !teil.cell(spalte, row).isEmpty(); });
    const bool zeitlauf = cup.laufe.cell(k, kLauftyp) == kZeitlauf;
    Gruppenlayout layout;
    layout.spaltenkopf = spaltenkopf();
    layout.cupTitel = [&](int v) {
        return QStringLiteral("Ergebnisse im ") + cup.cv.cell(0, v) + QStringLiteral(" (") +
               cup.cv.cell(zeitlauf ? 1 : 2, v) + u')';
    };
    layout.liste = [&](const QString& bezeichnung, const QString& cupVariation) {
        const std::vector<int>& zeilen = index.zeilen(bezeichnung, cupVariation);
        LaufenderPlatz platzierung;
        for (int row : zeilen) {
            const QString& ergebnis = teil.cell(spalte, row);
            const int platz = platzierung.naechster(ergebnis);
            const QString gezeigt = platz > 0 ? ergebnis : abk2text(ergebnis);
            ausgabe.p(kSchwarz, Stil::normal, 9, ergebniszeile(teil, row, gezeigt, platz));
            if (leser) leser({row, platz, gezeigt, bezeichnung, cupVariation});
        }
        return static_cast<int>(zeilen.size());
    };
    schreibeGruppen(ausgabe, cup, layout);
    berichtsfuss(ausgabe);
}

} // namespace rzv
