#pragma once

#include <QString>
#include <optional>

namespace rzv {

struct TCupContent;

// A value of an import file in the cup's notation, or the reason it was refused.
struct ImportValue {
    QString text;
    QString refusal; // empty when the value was taken

    bool ok() const { return refusal.isEmpty(); }
    static ImportValue taken(QString text) { return {std::move(text), {}}; }
    static ImportValue refused(QString reason) { return {{}, std::move(reason)}; }
};

// A start number padded like a typed one ("7" gives "007").
ImportValue importStartNumber(const QString& text);
// A birth date: dd.mm.yyyy, d.m.yy, yyyy-mm-dd, or a year alone (stored as 01.01. of that year).
// Two-digit years lie in the hundred years up to the current year.
ImportValue importBirthDate(const QString& text);
// A birth year ("1984", "84") as the birth date 01.01. of that year.
ImportValue importBirthYear(const QString& text);
// "weiblich" or "männlich" from "w", "weiblich", "f", "female", "m", "männlich", "male" (any case).
ImportValue importGender(const QString& text);

// A status word of a timing system as a result code ("DNS" gives "n.a."), or nothing.
std::optional<QString> statusCode(const QString& text);
// Words a status column writes for a runner who finished; they set no result.
bool isFinishedStatus(const QString& text);
// A result for a race of the given type: a status word, a time ("0:42:31.4", "42:31,4",
// "1:02:03.45"; hundredths rounded up to the next tenth) for a "Zeitlauf (fixe Distanz)", a
// distance ("12345", "12345m", "12,345 km", "12.345") for any other race.
ImportValue importResult(const QString& text, const QString& raceType);

} // namespace rzv
