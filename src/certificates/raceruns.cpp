// The race certificate runs: placing within the age groups (and cup variations) of one race.
#include "certificates/printruns.h"

#include "cup/notation.h"
#include "cup/ordering.h"

#include <map>
#include <vector>

namespace rzv {

namespace {

// One group of a race: an age-group label, and the cup variation when the cup has any.
struct RaceGroup {
    QString label;
    QString variation;
    QString distance;
};

using PlacedMember = std::function<void(int row, int place, const RaceGroup& group)>;

// The rows of each group in table order, found in one pass: keyed by age-group label and, with
// cup variations, the variation's name.
class GroupRows {
public:
    GroupRows(const TCellGrid& teil, bool withVariations) : m_withVariations(withVariations) {
        for (int row = 1; row < teil.rowCount(); ++row)
            m_rows[key(teil.cell(kAltersgruppe, row), teil.cell(kCup, row))].push_back(row);
    }
    const std::vector<int>& of(const RaceGroup& group) const {
        static const std::vector<int> none;
        const auto found = m_rows.find(key(group.label, group.variation));
        return found == m_rows.end() ? none : found->second;
    }

private:
    std::pair<QString, QString> key(const QString& label, const QString& variation) const {
        return {label, m_withVariations ? variation : QString()};
    }
    bool m_withVariations;
    std::map<std::pair<QString, QString>, std::vector<int>> m_rows;
};

// Members with a result get consecutive places in table order (equal results too), the others
// none.
void placeGroup(const TCupContent& cup, int race, const GroupRows& rows, const RaceGroup& group,
                const PlacedMember& placed) {
    int place = 1;
    for (const int row : rows.of(group)) {
        const QString& result = cup.teil.cell(resultColumn(race), row);
        if (result.isEmpty() || isResultCode(result)) continue;
        placed(row, place++, group);
    }
}

void placeAgeGroups(const TCupContent& cup, int race, const GroupRows& rows, RaceGroup group,
                    const PlacedMember& placed) {
    for (int r = 1; r < cup.ag.rowCount(); ++r) {
        for (int column : {0, 1}) {
            group.label = cup.ag.cell(column, r);
            placeGroup(cup, race, rows, group, placed);
        }
    }
}

// Every group of the race: per cup variation (those the question lets through), per age group
// the women and then the men.
void placeRace(const TCupContent& cup, int race, const PrintVariationQuestion& printVariation,
               const PlacedMember& placed) {
    const GroupRows rows(cup.teil, cup.hasCupVariations());
    if (!cup.hasCupVariations()) {
        placeAgeGroups(cup, race, rows, RaceGroup(), placed);
        return;
    }
    for (int v = 1; v < cup.cv.rowCount(); ++v) {
        const RaceGroup group{QString(), cup.cv.cell(0, v), cup.cv.cell(1, v)};
        if (printVariation && !printVariation(group.variation)) continue;
        placeAgeGroups(cup, race, rows, group, placed);
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
