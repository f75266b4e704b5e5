#include "scoring/groupnumbers.h"

#include <QHash>
#include <QStringView>
#include <algorithm>
#include <utility>

namespace rzv {

Gruppennummern::Gruppennummern(const TCupContent& cup)
    : m_von(static_cast<size_t>(std::max(cup.teil.rowCount(), 1)), -1) {
    const TCellGrid& teil = cup.teil;
    const bool mitCup = cup.hasCupVariations();
    // Keyed by views of the cells: no text is copied, and the table does not change meanwhile.
    QHash<std::pair<QStringView, QStringView>, int> nummern;
    for (int row = 1; row < teil.rowCount(); ++row) {
        const std::pair<QStringView, QStringView> schluessel{
            teil.cell(kAltersgruppe, row), mitCup ? QStringView(teil.cell(kCup, row)) : QStringView()};
        auto it = nummern.constFind(schluessel);
        if (it == nummern.cend()) {
            it = nummern.insert(schluessel, anzahl());
            m_ersteZeile.push_back(row);
        }
        m_von[static_cast<size_t>(row)] = *it;
    }
}

} // namespace rzv
