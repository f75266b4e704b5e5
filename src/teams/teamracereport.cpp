#include "teams/teamracereport.h"

#include "cup/cupdata.h"
#include "reports/groups.h"
#include "reports/sheet.h"
#include "teams/teamlayout.h"
#include "teams/teamrace.h"

namespace rzv {

namespace {

QString spaltenkopf() {
    return linksbuendig(QStringLiteral("Pos."), 5) +
           linksbuendig(QStringLiteral("Verein / Name, Vorname"), 66) +
           rechtsbuendig(QStringLiteral("Summe"), 11);
}

void schreibeLaeufer(Ausgabe& ausgabe, const TCellGrid& teil, const Mannschaftsergebnis& m,
                     int spalte) {
    for (const Mannschaftslaeufer& l : m.laeufer)
        ausgabe.p(kSchwarz, Stil::normal, 9,
                  mannschaftsunterzeile(namensfeld(teil, l.row), teil.cell(spalte, l.row)));
}

} // namespace

void ausgabe_mannschaftswertung(Ausgabe& ausgabe, const TCupContent& cup, int k,
                                const Mannschaftseinstellungen& einstellungen) {
    ausgabe.clear();
    const Mannschaften mannschaften(cup, einstellungen);
    const Mannschaftslauf lauf =
        mannschaftswertungen(cup, k, k, mannschaften, einstellungen.groesse).front();
    berichtskopf(ausgabe, cup);
    laufkopf(ausgabe, cup, k, QStringLiteral("Mannschaftswertung vom "));
    ausgabe.p(kSchwarz, Stil::normal, 9, wertungszeile(einstellungen));

    const TCellGrid& teil = cup.teil;
    const int spalte = resultColumn(k);
    Mannschaftslayout layout;
    layout.spaltenkopf = spaltenkopf();
    layout.cupTitel = [&](const Mannschaftskategorie& c) {
        return QStringLiteral("Ergebnisse im ") + c.cupVariation + QStringLiteral(" (") +
               cup.cv.cell(lauf.zeitlauf ? 1 : 2, c.cvZeile) + u')';
    };
    layout.liste = [&](size_t kategorie) {
        const Kategoriewertung& wertung = lauf.wertungen[kategorie];
        for (const Mannschaftsergebnis& m : wertung.gewertet) {
            ausgabe.p(kSchwarz, Stil::fett, 9,
                      platzfeld(m.platz) + linksbuendig(mannschaften.verein(m.mannschaft), 66) +
                          rechtsbuendig(mannschaftswert(lauf.zeitlauf, m.summe), 11));
            schreibeLaeufer(ausgabe, teil, m, spalte);
        }
        for (const Mannschaftsergebnis& m : wertung.nichtGewertet) {
            ausgabe.p(kSchwarz, Stil::fett, 9,
                      platzfeld(0) + linksbuendig(mannschaften.verein(m.mannschaft), 52) +
                          rechtsbuendig(QStringLiteral("nicht gewertet (%1 von %2)")
                                            .arg(m.laeufer.size())
                                            .arg(einstellungen.groesse),
                                        25));
            schreibeLaeufer(ausgabe, teil, m, spalte);
        }
        return static_cast<int>(wertung.gewertet.size() + wertung.nichtGewertet.size());
    };
    if (schreibeKategorien(ausgabe, mannschaften, layout) == 0)
        ausgabe.p(kSchwarz, Stil::normal, 9,
                  kKeinVereinImLauf);
    berichtsfuss(ausgabe);
}

} // namespace rzv
