#pragma once

#include <QString>
#include <cstdint>

namespace rzv {

class TCellGrid;

// A runner as names compare: the folded name and first name in a fixed order (so that the two
// may be swapped), birth year and gender, and the birth date when it is a full one.
struct Person {
    QString key;
    int year = 0;     // 0 when the birth date gives none
    QString gender;
    QString fullDate; // empty when only the year is known

    static Person of(const QString& name, const QString& vorname, const QString& birthDate,
                     const QString& gender);
    static Person ofRow(const TCellGrid& teil, int row);

    // The bucket of persons whose spelling may be compared: same birth year and gender.
    std::uint64_t bucket() const;
};

// Whether a birth date is a full date rather than a year alone: imports of a year alone store
// the first of January, so that day counts as a year alone.
bool isFullBirthDate(const QString& birthDate);

// How alike two persons are by name and birth year:
// - the same person: name, first name and birth year agree once the spelling is folded;
// - similar: at most two letters apart with the same birth year and gender, or the same names
//   and birth years one apart;
// - different: anything else.
struct Likeness {
    enum Kind { Different, Same, Spelling, NextYear };
    Kind kind = Different;
    int letters = 0; // for Spelling: how many letters differ

    bool isSame() const { return kind == Same; }
    bool isSimilar() const { return kind == Spelling || kind == NextYear; }
};
Likeness likeness(const Person& a, const Person& b);

// Namesakes: both birth dates are full dates and differ, so the two are two people whatever
// their names say.
bool areNamesakes(const Person& a, const Person& b);
// How alike two participants of one cup are: different when they are namesakes, else as above.
Likeness duplicateLikeness(const Person& a, const Person& b);

// Why two persons are alike, in German: "gleicher Name und Jahrgang", "ähnlicher Name (…)", ...
QString likenessText(const Likeness& likeness, const Person& a, const Person& b);

} // namespace rzv
