#include "cup/ordering.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/textorder.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace rzv {

namespace {

void freezeRows(TCellGrid& grid) { grid.fixedRows = grid.rowCount() > 1 ? 1 : 0; }

// Stable ordering of rows 1..last of a grid by a "comes strictly before" relation on row
// indices. Empty barrier rows (when given) never move and nothing crosses them.
template <typename Before>
std::vector<int> stableOrder(int count, Before before, const std::vector<bool>* barriers = nullptr) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    auto segmentStart = order.begin();
    for (auto it = order.begin();; ++it) {
        const bool end = it == order.end();
        if (end || (barriers && (*barriers)[static_cast<size_t>(*it)])) {
            std::stable_sort(segmentStart, it, before);
            if (end) break;
            segmentStart = it + 1;
        }
    }
    return order;
}

// Reads one whole number per data row of a column (in table order, so the first value that
// does not read is the one reported).
std::vector<long long> numbersOfColumn(const TCellGrid& grid, int col) {
    std::vector<long long> numbers(static_cast<size_t>(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row) numbers[static_cast<size_t>(row)] = toInt(grid.cell(col, row));
    return numbers;
}

} // namespace

void agsort(TCellGrid& ag) {
    const int count = ag.rowCount() - 1;
    if (count >= 2) {
        const auto age = numbersOfColumn(ag, 2);
        ag.permuteRows(1, stableOrder(count, [&](int x, int y) { return age[x] < age[y]; }));
    }
    freezeRows(ag);
}

void cvsort(TCellGrid& cv) {
    const int count = cv.rowCount() - 1;
    if (count >= 2) {
        std::vector<std::u32string> keys(static_cast<size_t>(cv.rowCount()));
        for (int row = 1; row < cv.rowCount(); ++row) keys[static_cast<size_t>(row)] = textKey(cv.cell(0, row));
        cv.permuteRows(1, stableOrder(count, [&](int x, int y) { return keys[x] < keys[y]; }));
    }
    freezeRows(cv);
}

void pvsort(TCellGrid& pv) {
    const int count = pv.rowCount() - 1;
    if (count >= 2) {
        const auto points = numbersOfColumn(pv, 1);
        const auto order = stableOrder(count, [&](int x, int y) { return points[x] > points[y]; });
        std::vector<QString> sorted;
        for (int from : order) sorted.push_back(pv.cell(1, from));
        for (int i = 0; i < count; ++i) pv.setCell(1, i + 1, sorted[static_cast<size_t>(i)]);
    }
    for (int row = 1; row < pv.rowCount(); ++row) pv.setCell(0, row, QString::number(row));
    freezeRows(pv);
}

void laufesort(TCellGrid& laufe, TCellGrid& teil) {
    const int races = laufe.colCount() - 1;
    if (races <= 0) {
        laufe.fixedCols = laufe.fixedRows = 0;
        return;
    }
    if (races >= 2) {
        // Ordered by the date key; every date cell keeps its text, also one that is not shaped
        // TT.MM.JJJJ (a hand-edited file), so that saving never rewrites it.
        std::vector<std::u32string> keys(static_cast<size_t>(races + 1));
        for (int k = 1; k <= races; ++k) keys[static_cast<size_t>(k)] = textKey(dateKey(laufe.cell(k, kDatum)));
        const auto order = stableOrder(races, [&](int x, int y) { return keys[x] < keys[y]; });

        const TCellGrid oldLaufe = laufe;
        for (int k = 1; k <= races; ++k) {
            const int from = order[static_cast<size_t>(k - 1)];
            for (int row = 1; row < kLaufRows; ++row) laufe.setCell(k, row, oldLaufe.cell(from, row));
        }
        std::vector<int> columns(static_cast<size_t>(teil.colCount()));
        std::iota(columns.begin(), columns.end(), 0);
        for (int k = 1; k <= races; ++k)
            columns[static_cast<size_t>(kTeilFixedCols - 1 + k)] = kTeilFixedCols - 1 + order[static_cast<size_t>(k - 1)];
        teil.permuteCols(columns);
    }
    for (int k = 1; k <= races; ++k) laufe.setCell(k, kLaufnummer, QString::number(k));
    laufe.fixedCols = laufe.fixedRows = 1;
}

QString groupKeyText(const TCellGrid& ag, const QString& designation) {
    QString key;
    for (int row = 1; row < ag.rowCount(); ++row) {
        if (designation == ag.cell(0, row)) key = u'1' + ag.cell(2, row);
        if (designation == ag.cell(1, row)) key = u'2' + ag.cell(2, row);
    }
    return key;
}

bool teilcmp(const TCupContent& cup, int direction, int column, const QString& a, const QString& b,
             int /*rowA*/, int /*rowB*/) {
    if (direction != -1 && direction != 1) return false;
    const bool up = direction == -1;
    switch (column) {
    case kName:
    case kVorname:
    case kVerein:
    case kCup:
        return up ? textCompare(a, b) > 0 : textCompare(a, b) < 0;
    case kGeburtsdatum:
        return up ? codeKey(dateKey(a)) > codeKey(dateKey(b)) : codeKey(dateKey(a)) < codeKey(dateKey(b));
    case kGeschlecht:
        return up ? textCompare(a, b) < 0 : textCompare(a, b) > 0;
    case kAltersgruppe: {
        const int ka = toInt(groupKeyText(cup.ag, a));
        const int kb = toInt(groupKeyText(cup.ag, b));
        return up ? ka > kb : ka < kb;
    }
    case kStartnummer: {
        const int na = toInt(a);
        const int nb = toInt(b);
        return up ? na > nb : na < nb;
    }
    default:
        break;
    }
    if (column < kErstesErgebnis) return false;
    const QString da = digitsOf(a);
    const QString db = digitsOf(b);
    if (da.isEmpty() && db.isEmpty()) {
        return up ? (textCompare(a, b) > 0 || (a.isEmpty() && !b.isEmpty()))
                  : (textCompare(a, b) < 0 || (!a.isEmpty() && b.isEmpty()));
    }
    if (da.isEmpty()) return true;
    if (db.isEmpty()) return false;
    const int va = toInt(da);
    const int vb = toInt(db);
    const bool timeRace = cup.laufe.cell(column - (kTeilFixedCols - 1), kLauftyp) == kZeitlauf;
    if (timeRace) return up ? va > vb : va < vb;
    return up ? va < vb : va > vb;
}

namespace {

// One participant's sort cell, read once. Performances come first (category 0), then result
// codes (1), then empty cells (2).
struct SortKey {
    int category = 0;
    long long number = 0;
    std::u32string text;
};

struct TeilOrdering {
    std::vector<SortKey> keys;
    std::vector<bool> empty;
    bool barriers = false; // empty cells stay where they are and nothing crosses them
    bool literal = false;  // only the literal exchange sort gives the order (see below)
    bool (*before)(const SortKey&, const SortKey&, bool ascending, bool timeRace) = nullptr;
};

bool numberBefore(const SortKey& x, const SortKey& y, bool ascending, bool) {
    return ascending ? x.number < y.number : x.number > y.number;
}

bool textBefore(const SortKey& x, const SortKey& y, bool ascending, bool) {
    return ascending ? x.text < y.text : x.text > y.text;
}

bool resultBefore(const SortKey& x, const SortKey& y, bool ascending, bool timeRace) {
    if (x.category != y.category) return x.category < y.category;
    if (x.category == 0) return (ascending == timeRace) ? x.number < y.number : x.number > y.number;
    if (x.category == 1) return ascending ? x.text < y.text : x.text > y.text;
    return false;
}

TeilOrdering describe(const TCupContent& cup, bool ascending, int column) {
    const TCellGrid& teil = cup.teil;
    const int rows = teil.rowCount();
    TeilOrdering o;
    o.keys.resize(static_cast<size_t>(rows));
    o.empty.resize(static_cast<size_t>(rows));
    for (int row = 1; row < rows; ++row) o.empty[static_cast<size_t>(row)] = teil.cell(column, row).isEmpty();

    auto forEachRow = [&](auto fill) {
        for (int row = 1; row < rows; ++row) fill(o.keys[static_cast<size_t>(row)], teil.cell(column, row));
    };
    switch (column) {
    case kName:
    case kVorname:
    case kVerein:
    case kCup:
        forEachRow([](SortKey& k, const QString& cell) { k.text = textKey(cell); });
        o.before = textBefore;
        o.barriers = ascending;
        return o;
    case kGeburtsdatum:
        forEachRow([](SortKey& k, const QString& cell) { k.text = codeKey(dateKey(cell)); });
        o.before = textBefore;
        o.barriers = ascending;
        return o;
    case kGeschlecht:
        forEachRow([](SortKey& k, const QString& cell) { k.text = textKey(cell); });
        o.before = [](const SortKey& x, const SortKey& y, bool asc, bool) { return textBefore(x, y, !asc, false); };
        o.barriers = !ascending;
        return o;
    case kAltersgruppe:
        forEachRow([&](SortKey& k, const QString& cell) { k.number = toInt(groupKeyText(cup.ag, cell)); });
        o.before = numberBefore;
        // An empty cell has a key only when an age group has an empty designation; such a cell
        // may sink past smaller keys but nothing passes it, which no stable sort reproduces.
        o.literal = std::find(o.empty.begin() + 1, o.empty.end(), true) != o.empty.end();
        return o;
    case kStartnummer:
        forEachRow([](SortKey& k, const QString& cell) { k.number = toInt(cell); });
        o.before = numberBefore;
        return o;
    default:
        break;
    }
    int withDigits = 0;
    QString firstUnreadable;
    bool unreadable = false;
    forEachRow([&](SortKey& k, const QString& cell) {
        if (const DigitsValue digits = digitsValue(cell); digits.hasDigits) {
            ++withDigits;
            k.category = 0;
            if (digits.value) {
                k.number = *digits.value;
            } else if (!unreadable) {
                unreadable = true;
                firstUnreadable = digitsOf(cell);
            }
        } else {
            k.category = cell.isEmpty() ? 2 : 1;
            k.text = textKey(cell);
        }
    });
    // Digits are read only where two performances meet.
    if (unreadable && withDigits >= 2) throw conversionError(firstUnreadable);
    o.before = resultBefore;
    return o;
}

std::vector<int> literalExchangeOrder(const TeilOrdering& o, int count, bool ascending, bool timeRace) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    for (int last = count; last >= 2; --last) {
        bool exchanged = false;
        for (int i = 0; i + 1 < last; ++i) {
            const int upper = order[static_cast<size_t>(i)];
            const int lower = order[static_cast<size_t>(i + 1)];
            if (o.before(o.keys[static_cast<size_t>(lower)], o.keys[static_cast<size_t>(upper)], ascending, timeRace) &&
                !o.empty[static_cast<size_t>(lower)]) {
                std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(i + 1)]);
                exchanged = true;
            }
        }
        if (!exchanged) break; // later passes look at fewer neighbours and find nothing either
    }
    return order;
}

// Whether no row of a text column would move: each row is in order with the one above. For
// text this costs far less than building the sort keys, and a loaded table is ordered by name.
bool textColumnInOrder(const TCupContent& cup, int direction, int column) {
    switch (column) {
    case kName:
    case kVorname:
    case kVerein:
    case kCup:
    case kGeschlecht:
        break;
    default:
        return false;
    }
    const TCellGrid& teil = cup.teil;
    for (int row = 2; row < teil.rowCount(); ++row)
        if (teilcmp(cup, direction, column, teil.cell(column, row - 1), teil.cell(column, row), row - 1, row))
            return false;
    return true;
}

} // namespace

void teilsort(TCupContent& cup, int direction, int column) {
    TCellGrid& teil = cup.teil;
    const int count = teil.rowCount() - 1;
    if (count <= 0) {
        teil.fixedCols = teil.fixedRows = 0;
        return;
    }
    if (count >= 2 && (direction == -1 || direction == 1) && !textColumnInOrder(cup, direction, column)) {
        const bool ascending = direction == -1;
        const bool timeRace = cup.laufe.cell(column - (kTeilFixedCols - 1), kLauftyp) == kZeitlauf;
        const TeilOrdering o = describe(cup, ascending, column);
        std::vector<int> order;
        if (o.literal) {
            order = literalExchangeOrder(o, count, ascending, timeRace);
        } else {
            const auto before = [&](int x, int y) {
                return o.before(o.keys[static_cast<size_t>(x)], o.keys[static_cast<size_t>(y)], ascending, timeRace);
            };
            order = stableOrder(count, before, o.barriers ? &o.empty : nullptr);
        }
        teil.permuteRows(1, order);
    }
    teil.fixedCols = 2;
    teil.fixedRows = 1;
}

void deleterow(TCellGrid& grid, int row) { grid.removeRow(row); }

void deletecol(TCellGrid& grid, int col) { grid.removeCol(col); }

} // namespace rzv
