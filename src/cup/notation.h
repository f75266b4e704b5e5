#pragma once

#include "cup/cupdata.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace rzv {

// Reading a whole number: optional leading blanks, an optional sign, then decimal digits only,
// within the range of a 32-bit signed number.
std::optional<int> readInt(QStringView text);
// The same, stopping the operation with the conversion message when the text does not read.
int toInt(const QString& text);

// The decimal digits of a text in their order ("0:38'12,4\"" gives "038124").
QString digitsOf(QStringView text);
// The digits of a text read as one whole number, as readInt(digitsOf(text)) reads them but
// without building the digit text: whether there are any, and their value unless it exceeds a
// whole number.
struct DigitsValue {
    bool hasDigits = false;
    std::optional<int> value;
};
DigitsValue digitsValue(QStringView text);

// The four result codes and their long texts for the reports.
bool isResultCode(QStringView text);
QString abk2text(const QString& code);
// The result codes in full words, for tables whose cells have no width ("nicht angetreten");
// any other text unchanged.
QString abk2volltext(const QString& code);
// The code a typed shorthand stands for ("ol" gives "o.L."), or nothing.
std::optional<QString> shorthandCode(const QString& typed);
// A typed result as it is stored: a shorthand's code, or the performance normalised by the race
// type (a time in a "Zeitlauf (fixe Distanz)", else a distance).
QString normalizeResult(const QString& typed, const QString& raceType);

// Field checks: each returns the text the field is rewritten to.
QString checktime(const QString& text);
QString checkdist(const QString& text);
QString checkdate(const QString& text);
bool isValidDate(const QString& text);

// Start numbers. `findsn` proposes the largest start number plus one; `checksn` normalises a
// typed start number, or empties it when it is invalid or taken by another participant.
// editedRow is the participant being edited, or 0 while a new participant is added.
QString padStartNumber(int number);
// The start number after the largest one; stops with a message when the largest is the last a
// start number can be.
int startNumberAfter(int largest);
QString findsn(const TCupContent& cup);
QString checksn(const QString& text, const TCupContent& cup, int editedRow);

// The clubs of all participants merged into a pick list, sorted alphabetically.
QStringList vereinelesen(const QStringList& list, const TCellGrid& teil);

// The proposed age group for a birth date and gender (0 "weiblich", 1 "männlich"), or nothing
// when no proposal applies.
std::optional<QString> checkaltgr(const QString& birthDate, int genderIndex, const TCupContent& cup);

} // namespace rzv
