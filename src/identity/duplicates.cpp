#include "identity/duplicates.h"

#include "identity/personindex.h"

namespace rzv {

std::vector<DuplicatePair> findDuplicates(const TCellGrid& teil) {
    const PersonIndex index(teil);
    std::vector<DuplicatePair> pairs;
    for (int row = 1; row <= index.participantCount(); ++row)
        for (const PersonIndex::Alike& other : index.alike(index.person(row)))
            if (other.row > row) pairs.push_back({row, other.row, other.likeness});
    return pairs;
}

} // namespace rzv
