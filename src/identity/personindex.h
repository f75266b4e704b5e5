#pragma once

#include "identity/likeness.h"
#include "identity/nearkeys.h"

#include <QHash>
#include <vector>

namespace rzv {

class TCellGrid;

// The participants of a cup, ready to be asked who is alike a given person: an index of name
// pieces per birth year and gender finds near spellings, a table of folded names the same names
// of other years. Nobody is compared with everybody.
class PersonIndex {
public:
    explicit PersonIndex(const TCellGrid& teil);

    struct Alike {
        int row;
        Likeness likeness;
    };
    // The participant rows alike the person (the same or similar, namesakes left out), in row
    // order.
    std::vector<Alike> alike(const Person& person) const;

    const Person& person(int row) const { return m_persons[static_cast<size_t>(row - 1)]; }
    int participantCount() const { return static_cast<int>(m_persons.size()); }

private:
    std::vector<Person> m_persons; // row r at r - 1
    NearKeys m_spellings;
    QHash<QString, std::vector<int>> m_byKey;
};

} // namespace rzv
