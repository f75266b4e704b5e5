#pragma once

#include "identity/likeness.h"

#include <vector>

namespace rzv {

class TCellGrid;

// Two participant rows that may be one runner entered twice (first < second).
struct DuplicatePair {
    int first;
    int second;
    Likeness likeness;
};

// Every pair of participants that are the same person or similar and not namesakes, in table order of the first
// row, then of the second. Only participants of one birth year and gender are compared letter
// by letter, and of those only the ones an index of name pieces proposes.
std::vector<DuplicatePair> findDuplicates(const TCellGrid& teil);

} // namespace rzv
