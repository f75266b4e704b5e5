// The race certificate runs: placing within the age groups (and cup variations) of one race.
#include "certificates/printruns.h"

#include "cup/notation.h"
#include "cup/ordering.h"

namespace rzv {

namespace {

// One group of a race: an age-group label, and the cup variation when the cup has any.
struct RaceGroup {
    QString label;
    QString variation;
    QString distance;
};

using PlacedMember = std::function<void(int row, int place, const RaceGroup& group)>;

// Walks the members of one group in table order; members with a result get consecutive places
// (equal results too, in the order of the table), the others none.
void placeGroup(const TCupContent& cup, int race, const RaceGroup& group, bool withVariations,
                const PlacedMember& placed) {
    const TCellGrid& teil = cup.teil;
    int place = 1;
    for (int row = 1; row < teil.rowCount(); ++row) {
        if (teil.cell(kAltersgruppe, row) != group.label) continue;
        if (withVariations && teil.cell(kCup, row) != group.variation) continue;
        const QString& result = teil.cell(resultColumn(race), row);
        if (result.isEmpty() || isResultCode(result)) continue;
        placed(row, place++, group);
    }
}

void placeAgeGroups(const TCupContent& cup, int race, RaceGroup group, bool withVariations,
                    const PlacedMember& placed) {
    for (int r = 1; r < cup.ag.rowCount(); ++r) {
        for (int column : {0, 1}) {
            group.label = cup.ag.cell(column, r);
            placeGroup(cup, race, group, withVariations, placed);
        }
    }
}

// Every group of the race: per cup variation (those the question lets through), per age group
// the women and then the men.
void placeRace(const TCupContent& cup, int race, const PrintVariationQuestion& printVariation,
               const PlacedMember& placed) {
    if (!cup.hasCupVariations()) {
        placeAgeGroups(cup, race, RaceGroup(), false, placed);
        return;
    }
    for (int v = 1; v < cup.cv.rowCount(); ++v) {
        const RaceGroup group{QString(), cup.cv.cell(0, v), cup.cv.cell(1, v)};
        if (printVariation && !printVariation(group.variation)) continue;
        placeAgeGroups(cup, race, group, true, placed);
    }
}

RaceCertificate raceCertificate(const TCupContent& cup, int race, int row, int place,
                                const RaceGroup& group) {
    const TCellGrid& teil = cup.teil;
    return {QString::number(place),
            QString::number(race),
            group.label,
            group.variation,
            group.distance,
            teil.cell(kVorname, row) + u' ' + teil.cell(kName, row),
            teil.cell(kVerein, row),
            teil.cell(resultColumn(race), row)};
}

// Orders by the race's result, best first, equal results by name; then draws the pages.
void raceRun(TCupContent& cup, int race, CertificatePages& pages,
             const PrintVariationQuestion& printVariation, const PlacedMember& placed) {
    if (race < 1 || race > cup.raceCount()) return;
    teilsort(cup, -1, kName);
    teilsort(cup, -1, resultColumn(race));
    const CertificatePages::Job job(pages);
    placeRace(cup, race, printVariation, placed);
}

} // namespace

QString printVariationQuestion(const QString& cupVariation) {
    return cupVariation + QStringLiteral(" drucken?");
}

void siegerurkunde(TCupContent& cup, int race, CertificatePages& pages,
                   const PrintVariationQuestion& printVariation) {
    raceRun(cup, race, pages, printVariation, [&](int row, int place, const RaceGroup& group) {
        if (place <= 3) pages.urkunde(raceCertificate(cup, race, row, place, group));
    });
}

void teilnehmerurkunde(TCupContent& cup, int race, const QString& startNumber,
                       CertificatePages& pages) {
    raceRun(cup, race, pages, {}, [&](int row, int place, const RaceGroup& group) {
        if (cup.teil.cell(kStartnummer, row) == startNumber)
            pages.urkunde(raceCertificate(cup, race, row, place, group));
    });
}

} // namespace rzv
