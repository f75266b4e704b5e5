// The cup certificate runs: the standing after a race, with its places from the standings
// report.
#include "certificates/printruns.h"

#include "cup/notation.h"
#include "cup/ordering.h"
#include "reports/gesamt.h"
#include "scoring/standing.h"

namespace rzv {

namespace {

enum class CupOrder { standing, winners };

// Computes the standing after the race and writes its report (which gives the places), then
// prints a page for every row `wanted` picks, in table order. The working columns of the
// standing are removed after the job has ended, whatever happens.
void cupRun(TCupContent& cup, int race, CertificatePages& pages, Ausgabe& sheet, CupOrder order,
            const std::function<bool(int row)>& wanted) {
    if (race < 1 || race > cup.raceCount()) return;
    const Gesamtstand standing(cup, race);
    gesamt_vorschau(sheet, cup, race);
    if (order == CupOrder::winners) {
        // By cup variation, within it by age group, within that by place, equal places by name.
        teilsort(cup, -1, kName);
        teilsort(cup, 1, platzSpalte(cup));
        teilsort(cup, -1, kAltersgruppe);
        teilsort(cup, -1, kCup);
    }
    const CertificatePages::Job job(pages);
    const TCellGrid& teil = cup.teil;
    for (int row = 1; row < teil.rowCount(); ++row) {
        if (!wanted(row)) continue;
        pages.gesamturkunde({teil.cell(platzSpalte(cup), row), teil.cell(kAltersgruppe, row),
                             teil.cell(kCup, row),
                             teil.cell(kVorname, row) + u' ' + teil.cell(kName, row),
                             teil.cell(kVerein, row), teil.cell(summenSpalte(cup), row)});
    }
}

} // namespace

void gesamtsiegerurkunde(TCupContent& cup, int race, CertificatePages& pages, Ausgabe& sheet) {
    cupRun(cup, race, pages, sheet, CupOrder::winners, [&](int row) {
        // Place 0 is left by the report for participants it lists in no group: not placed.
        const int place = toInt(cup.teil.cell(platzSpalte(cup), row));
        return place >= 1 && place <= 3 && toInt(cup.teil.cell(summenSpalte(cup), row)) > 0;
    });
}

void gesamtteilnehmerurkunde(TCupContent& cup, int race, const QString& startNumber,
                             CertificatePages& pages, Ausgabe& sheet) {
    cupRun(cup, race, pages, sheet, CupOrder::standing,
           [&](int row) { return cup.teil.cell(kStartnummer, row) == startNumber; });
}

} // namespace rzv
