// The cup certificate runs: the standing after a race, with its places from the standings
// report.
#include "certificates/printruns.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/ordering.h"
#include "reports/gesamt.h"
#include "scoring/standing.h"

#include <vector>

namespace rzv {

namespace {

enum class CupRun { winners, participant };

// A participant's cup certificate states a place in the standing; someone below the minimum of
// participations, or listed in no group of the standing, has none.
void requirePlace(const TCupContent& cup, int row) {
    const TCellGrid& teil = cup.teil;
    const int teilnahmen = toInt(teil.cell(teilnahmenSpalte(cup), row));
    QString reason;
    if (teilnahmen < cup.min)
        reason = QStringLiteral(" (Teilnahmen: %1, Mindestteilnahmen für Endwertung: %2)")
                     .arg(teilnahmen)
                     .arg(cup.min);
    else if (toInt(teil.cell(platzSpalte(cup), row)) >= 1)
        return;
    throw RzvError(QStringLiteral("%1 %2 (Startnummer %3) hat keinen Platz in der "
                                  "Gesamtwertung%4. Es wurde keine Urkunde gedruckt.")
                       .arg(teil.cell(kVorname, row), teil.cell(kName, row),
                            teil.cell(kStartnummer, row), reason));
}

// Computes the standing after the race and writes its report (which gives the places), then
// prints a page for every row `wanted` picks, in table order; a participant's run refuses a
// row without a place before the job begins. The working columns of the standing are removed
// after the job has ended, whatever happens.
void cupRun(TCupContent& cup, int race, CertificatePages& pages, Ausgabe& sheet, CupRun kind,
            const std::function<bool(int row)>& wanted) {
    if (race < 1 || race > cup.raceCount()) return;
    const Gesamtstand standing(cup, race);
    gesamt_vorschau(sheet, cup, race);
    if (kind == CupRun::winners) {
        // By cup variation, within it by age group, within that by place, equal places by name.
        teilsort(cup, -1, kName);
        teilsort(cup, 1, platzSpalte(cup));
        teilsort(cup, -1, kAltersgruppe);
        teilsort(cup, -1, kCup);
    }
    const TCellGrid& teil = cup.teil;
    std::vector<int> rows;
    for (int row = 1; row < teil.rowCount(); ++row) {
        if (!wanted(row)) continue;
        if (kind == CupRun::participant) requirePlace(cup, row);
        rows.push_back(row);
    }
    const CertificatePages::Job job(pages);
    for (const int row : rows) {
        pages.gesamturkunde({teil.cell(platzSpalte(cup), row), teil.cell(kAltersgruppe, row),
                             teil.cell(kCup, row),
                             teil.cell(kVorname, row) + u' ' + teil.cell(kName, row),
                             teil.cell(kVerein, row), teil.cell(summenSpalte(cup), row)});
    }
}

} // namespace

void gesamtsiegerurkunde(TCupContent& cup, int race, CertificatePages& pages, Ausgabe& sheet) {
    cupRun(cup, race, pages, sheet, CupRun::winners, [&](int row) {
        // Place 0 is left by the report for participants it lists in no group: not placed.
        const int place = toInt(cup.teil.cell(platzSpalte(cup), row));
        return place >= 1 && place <= 3 && toInt(cup.teil.cell(summenSpalte(cup), row)) > 0;
    });
}

void gesamtteilnehmerurkunde(TCupContent& cup, int race, const QString& startNumber,
                             CertificatePages& pages, Ausgabe& sheet) {
    cupRun(cup, race, pages, sheet, CupRun::participant,
           [&](int row) { return cup.teil.cell(kStartnummer, row) == startNumber; });
}

} // namespace rzv
