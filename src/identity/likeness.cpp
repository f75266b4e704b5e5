#include "identity/likeness.h"

#include "cup/cupdata.h"
#include "cup/notation.h"
#include "identity/spelling.h"

#include <cstdlib>

namespace rzv {

namespace {

// Name and first name folded and joined in their order of code points; the joint is no letter
// of either, so "Anna Maria, Schmidt" and "Anna, Maria Schmidt" stay apart.
QString personKey(const QString& name, const QString& vorname) {
    const QString first = foldSpelling(name);
    const QString second = foldSpelling(vorname);
    return first <= second ? first + u'|' + second : second + u'|' + first;
}

} // namespace

bool isFullBirthDate(const QString& birthDate) {
    return isValidDate(birthDate) && !birthDate.startsWith(QLatin1String("01.01."));
}

Person Person::of(const QString& name, const QString& vorname, const QString& birthDate,
                  const QString& gender) {
    Person person;
    person.key = personKey(name, vorname);
    if (birthDate.size() == 10) person.year = readInt(QStringView(birthDate).mid(6, 4)).value_or(0);
    person.gender = gender;
    if (isFullBirthDate(birthDate)) person.fullDate = birthDate;
    return person;
}

Person Person::ofRow(const TCellGrid& teil, int row) {
    return of(teil.cell(kName, row), teil.cell(kVorname, row), teil.cell(kGeburtsdatum, row),
              teil.cell(kGeschlecht, row));
}

std::uint64_t Person::bucket() const {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(year)) << 32) ^ qHash(gender);
}

bool areNamesakes(const Person& a, const Person& b) {
    return !a.fullDate.isEmpty() && !b.fullDate.isEmpty() && a.fullDate != b.fullDate;
}

Likeness duplicateLikeness(const Person& a, const Person& b) {
    return areNamesakes(a, b) ? Likeness{} : likeness(a, b);
}

Likeness likeness(const Person& a, const Person& b) {
    const int years = std::abs(a.year - b.year);
    if (a.key == b.key) {
        if (years == 0) return {Likeness::Same, 0};
        if (years == 1) return {Likeness::NextYear, 0};
        return {};
    }
    if (years != 0 || a.gender != b.gender) return {};
    const int letters = lettersApart(a.key, b.key, 2);
    if (letters < 0) return {};
    return {Likeness::Spelling, letters};
}

QString likenessText(const Likeness& likeness, const Person& a, const Person& b) {
    switch (likeness.kind) {
    case Likeness::Same:
        return QStringLiteral("gleicher Name und Jahrgang");
    case Likeness::Spelling:
        return likeness.letters == 1
                   ? QStringLiteral("ähnlicher Name (1 Buchstabe anders), gleicher Jahrgang und Geschlecht")
                   : QStringLiteral("ähnlicher Name (%1 Buchstaben anders), gleicher Jahrgang und Geschlecht")
                         .arg(likeness.letters);
    case Likeness::NextYear:
        return QStringLiteral("gleicher Name, Jahrgang %1 und %2").arg(a.year).arg(b.year);
    case Likeness::Different:
        break;
    }
    return {};
}

} // namespace rzv
