#include "reports/dlvcounts.h"

#include <QHash>
#include <QSet>

namespace rzv {

namespace {

// Where a designation stands in `ag`: its row and whether it is the female one. A designation
// may stand more than once; every place counts, as each row is tested on its own.
struct Fundstelle {
    int row;
    bool weiblich;
};

QHash<QString, std::vector<Fundstelle>> fundstellen(const TCellGrid& ag) {
    QHash<QString, std::vector<Fundstelle>> places;
    for (int s = 1; s < ag.rowCount(); ++s) {
        places[ag.cell(0, s)].push_back({s, true});
        places[ag.cell(1, s)].push_back({s, false});
    }
    return places;
}

} // namespace

DlvZaehlung dlvZaehlen(const TCupContent& cup, int k) {
    DlvZaehlung z;
    z.gruppen.resize(static_cast<size_t>(std::max(cup.ag.rowCount(), 1)));
    const auto places = fundstellen(cup.ag);
    QSet<QString> meldeVereine;
    QSet<QString> teilnahmeVereine;
    const int column = resultColumn(k);
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        const QString& result = cup.teil.cell(column, i);
        if (result.isEmpty()) continue;
        const auto found = places.constFind(cup.teil.cell(kAltersgruppe, i));
        if (found == places.constEnd()) continue;
        const bool teilgenommen = result != u"n.a.";
        const QString& verein = cup.teil.cell(kVerein, i);
        for (const Fundstelle& place : *found) {
            DlvZaehlung::Gruppe& g = z.gruppen[static_cast<size_t>(place.row)];
            (place.weiblich ? g.mw : g.mm) += 1;
            meldeVereine.insert(verein);
            if (!teilgenommen) continue;
            (place.weiblich ? g.pw : g.pm) += 1;
            teilnahmeVereine.insert(verein);
        }
    }
    for (const DlvZaehlung::Gruppe& g : z.gruppen) {
        z.summeMw += g.mw;
        z.summeMm += g.mm;
        z.summePw += g.pw;
        z.summePm += g.pm;
    }
    z.meldeVereine = static_cast<int>(meldeVereine.size());
    z.teilnahmeVereine = static_cast<int>(teilnahmeVereine.size());
    return z;
}

int dlvProzent(int part, int whole) {
    if (whole == 0) return 0;
    const long long scaled = 100LL * part;
    long long q = scaled / whole;
    const long long twiceRest = 2 * (scaled % whole);
    if (twiceRest > whole || (twiceRest == whole && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

} // namespace rzv
