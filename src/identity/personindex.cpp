#include "identity/personindex.h"

#include "cup/cellgrid.h"

#include <algorithm>

namespace rzv {

PersonIndex::PersonIndex(const TCellGrid& teil) {
    m_persons.reserve(static_cast<size_t>(std::max(0, teil.rowCount() - 1)));
    for (int row = 1; row < teil.rowCount(); ++row) {
        m_persons.push_back(Person::ofRow(teil, row));
        m_spellings.add(m_persons.back().key, m_persons.back().bucket());
        m_byKey[m_persons.back().key].push_back(row - 1);
    }
    m_spellings.build();
}

std::vector<PersonIndex::Alike> PersonIndex::alike(const Person& person) const {
    std::vector<int> candidates;
    for (const NearKeys::Near& near : m_spellings.near(person.key, person.bucket())) candidates.push_back(near.index);
    const auto named = m_byKey.constFind(person.key);
    if (named != m_byKey.constEnd()) candidates.insert(candidates.end(), named->begin(), named->end());
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<Alike> result;
    for (const int index : candidates) {
        const Likeness likeness = duplicateLikeness(person, m_persons[static_cast<size_t>(index)]);
        if (likeness.kind != Likeness::Different) result.push_back({index + 1, likeness});
    }
    return result;
}

} // namespace rzv
