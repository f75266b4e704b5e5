#pragma once

#include "cup/cupdata.h"

#include <vector>

namespace rzv {

// The group each participant row is placed and listed in: equal age group and, when the cup has
// cup variations, equal cup variation. Groups are numbered 0, 1, ... in the order their first row
// comes in the table. Valid while the table keeps its rows and those two columns.
class Gruppennummern {
public:
    explicit Gruppennummern(const TCupContent& cup);

    int anzahl() const { return static_cast<int>(m_ersteZeile.size()); }
    // The group of participant row `row` (1 and on).
    int von(int row) const { return m_von[static_cast<size_t>(row)]; }
    // The first row of a group, whose cells name it.
    int ersteZeile(int gruppe) const { return m_ersteZeile[static_cast<size_t>(gruppe)]; }

private:
    std::vector<int> m_von; // by row; row 0 (the captions) is in no group
    std::vector<int> m_ersteZeile;
};

} // namespace rzv
