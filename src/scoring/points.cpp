#include "scoring/points.h"

#include "cup/notation.h"

namespace rzv {

namespace {

template <typename T, typename Read>
const T& gemerkt(std::vector<std::optional<T>>& merker, int index, Read lesen) {
    if (merker.size() <= static_cast<size_t>(index)) merker.resize(static_cast<size_t>(index) + 1);
    auto& wert = merker[static_cast<size_t>(index)];
    if (!wert) wert = lesen();
    return *wert;
}

} // namespace

int punkteFuerPlatz(const TCupContent& cup, int h) {
    if (h < 1 || h >= cup.pv.rowCount()) return 0;
    return toInt(cup.pv.cell(1, h));
}

int bonusfaktor(const TCupContent& cup, int k) {
    const QString& cell = cup.laufe.cell(k, kBonusfaktor);
    return cell.isEmpty() ? 1 : toInt(cell);
}

int bonussummand(const TCupContent& cup, int k) {
    const QString& cell = cup.laufe.cell(k, kBonussummand);
    return cell.isEmpty() ? 0 : toInt(cell);
}

int Punkterechner::punkte(int h) {
    if (h < 1 || h >= m_cup.pv.rowCount()) return 0;
    return gemerkt(m_punkte, h, [&] { return punkteFuerPlatz(m_cup, h); });
}

long long Punkterechner::laufwertung(int k, int h) {
    const int punkteDesPlatzes = punkte(h);
    const auto& [faktor, summand] = gemerkt(m_bonus, k, [&] {
        return std::pair{bonusfaktor(m_cup, k), bonussummand(m_cup, k)};
    });
    return static_cast<long long>(punkteDesPlatzes) * faktor + summand;
}

} // namespace rzv
