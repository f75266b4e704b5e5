#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rzv {

struct CsvTable;

// What a column of an import file feeds.
enum class ImportField {
    Ignore,
    Startnummer,
    Name,
    Vorname,
    NameVorname, // "Name, Vorname" or "Vorname Name" in one cell
    Geburtsdatum,
    Jahrgang,
    Geschlecht,
    Verein,
    Altersgruppe,
    Cup,
    Ergebnis,
};

// All fields in the order of the drop-downs, and each one's German caption.
const std::vector<ImportField>& importFields();
QString fieldCaption(ImportField field);
// The field a caption or a short name stands for ("Startnummer", "namevorname", "nicht
// übernehmen"; case and blanks do not count).
std::optional<ImportField> fieldNamed(const QString& name);

// The field a header cell names: common German and English header names, case, blanks and
// punctuation not counting ("StNr", "Startnr.", "Bib", "Jg.", "m/w", "Verein/Ort", "Time", ...).
std::optional<ImportField> headerField(const QString& header);

// The mapping of the columns of a file, one field per column.
struct ColumnMapping {
    bool headerRow = false;
    std::vector<ImportField> fields;

    ImportField fieldOf(int column) const;
    bool has(ImportField field) const;
};

// The mapping detected from the first record: with a recognised header cell it is a header row
// and each recognised column feeds its field (each field once, "Ergebnis" once for a performance
// and once for a status column); without one there is no header row and nothing is mapped.
ColumnMapping detectMapping(const CsvTable& table);

// Applies an override "NAME=FIELD": NAME is a header text or a column number (from 1). Stops
// with a message when the column or the field is unknown.
void overrideColumn(ColumnMapping& mapping, const QStringList& header, const QString& assignment);

} // namespace rzv
