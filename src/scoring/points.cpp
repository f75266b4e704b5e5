#include "scoring/points.h"

#include "cup/notation.h"

namespace rzv {

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

long long laufwertung(const TCupContent& cup, int k, int h) {
    return static_cast<long long>(punkteFuerPlatz(cup, h)) * bonusfaktor(cup, k) +
           bonussummand(cup, k);
}

} // namespace rzv
