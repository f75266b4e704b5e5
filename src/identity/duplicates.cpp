#include "identity/duplicates.h"

#include "cup/cellgrid.h"
#include "identity/nearkeys.h"

#include <QHash>
#include <algorithm>

namespace rzv {

std::vector<DuplicatePair> findDuplicates(const TCellGrid& teil) {
    std::vector<Person> persons;
    NearKeys spellings;
    QHash<QString, std::vector<int>> byKey; // for the same names in neighbouring years
    for (int row = 1; row < teil.rowCount(); ++row) {
        const int index = static_cast<int>(persons.size());
        persons.push_back(Person::ofRow(teil, row));
        spellings.add(persons.back().key, persons.back().bucket());
        byKey[persons.back().key].push_back(index);
    }
    spellings.build();

    std::vector<DuplicatePair> pairs;
    std::vector<int> candidates;
    for (int i = 0; i < static_cast<int>(persons.size()); ++i) {
        const Person& person = persons[static_cast<size_t>(i)];
        candidates.clear();
        for (const NearKeys::Near& near : spellings.near(person.key, person.bucket()))
            if (near.index > i) candidates.push_back(near.index);
        for (const int j : byKey.value(person.key))
            if (j > i) candidates.push_back(j);
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
        for (const int j : candidates) {
            const Likeness alike = duplicateLikeness(person, persons[static_cast<size_t>(j)]);
            if (alike.kind != Likeness::Different) pairs.push_back({i + 1, j + 1, alike});
        }
    }
    return pairs;
}

} // namespace rzv
