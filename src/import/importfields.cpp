#include "import/importfields.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "import/csvreader.h"

#include <QHash>

namespace rzv {

namespace {

// Lower case, letters and digits only: "St.-Nr." gives "stnr", "m/w" gives "mw".
QString headerKey(const QString& text) {
    QString key;
    for (const QChar ch : text.toLower())
        if (ch.isLetterOrNumber()) key.append(ch);
    return key;
}

struct HeaderNames {
    ImportField field;
    QStringList names;
};

const std::vector<HeaderNames>& headerNames() {
    static const std::vector<HeaderNames> names{
        {ImportField::Startnummer,
         {"startnummer", "startnr", "stnr", "snr", "nr", "nummer", "bib", "bibnr", "bibno",
          "bibnumber", "startno", "startnumber", "number", "no"}},
        {ImportField::Name, {"name", "nachname", "familienname", "zuname", "lastname", "surname", "familyname"}},
        {ImportField::Vorname, {"vorname", "firstname", "givenname", "forename"}},
        {ImportField::NameVorname,
         {"namevorname", "nachnamevorname", "vollername", "fullname", "teilnehmer", "athlete",
          "läufer", "laeufer", "runner", "participant"}},
        {ImportField::Geburtsdatum,
         {"geburtsdatum", "gebdatum", "geboren", "geb", "birthdate", "dateofbirth", "dob", "birthday"}},
        {ImportField::Jahrgang, {"jahrgang", "jg", "jahr", "geburtsjahr", "yob", "yearofbirth", "birthyear", "year"}},
        {ImportField::Geschlecht, {"geschlecht", "mw", "wm", "sex", "gender"}},
        {ImportField::Verein,
         {"verein", "club", "team", "vereinort", "verband", "mannschaft", "organisation", "organization"}},
        {ImportField::Altersgruppe,
         {"altersgruppe", "altersklasse", "ak", "klasse", "wertungsklasse", "agegroup", "ageclass",
          "category", "class"}},
        {ImportField::Cup, {"cup", "cupvariation", "subcup", "pokal"}},
        {ImportField::Ergebnis,
         {"ergebnis", "zeit", "time", "nettozeit", "bruttozeit", "endzeit", "laufzeit", "zielzeit",
          "nettotime", "nettime", "chiptime", "guntime", "finishtime", "result", "strecke",
          "distanz", "distance", "meter", "leistung", "status"}},
    };
    return names;
}

const QHash<QString, ImportField>& headerIndex() {
    static const QHash<QString, ImportField> index = [] {
        QHash<QString, ImportField> map;
        for (const HeaderNames& entry : headerNames())
            for (const QString& name : entry.names) map.insert(name, entry.field);
        return map;
    }();
    return index;
}

bool isStatusHeader(const QString& header) { return headerKey(header) == u"status"; }

} // namespace

const std::vector<ImportField>& importFields() {
    static const std::vector<ImportField> fields{
        ImportField::Startnummer, ImportField::Name,      ImportField::Vorname,
        ImportField::NameVorname, ImportField::Geburtsdatum, ImportField::Jahrgang,
        ImportField::Geschlecht,  ImportField::Verein,    ImportField::Altersgruppe,
        ImportField::Cup,         ImportField::Ergebnis,  ImportField::Ignore,
    };
    return fields;
}

QString fieldCaption(ImportField field) {
    switch (field) {
    case ImportField::Startnummer: return QStringLiteral("Startnummer");
    case ImportField::Name: return QStringLiteral("Name");
    case ImportField::Vorname: return QStringLiteral("Vorname");
    case ImportField::NameVorname: return QStringLiteral("Name und Vorname in einem Feld");
    case ImportField::Geburtsdatum: return QStringLiteral("Geburtsdatum");
    case ImportField::Jahrgang: return QStringLiteral("Jahrgang");
    case ImportField::Geschlecht: return QStringLiteral("Geschlecht");
    case ImportField::Verein: return QStringLiteral("Verein");
    case ImportField::Altersgruppe: return QStringLiteral("Altersgruppe");
    case ImportField::Cup: return QStringLiteral("Cup");
    case ImportField::Ergebnis: return QStringLiteral("Ergebnis");
    case ImportField::Ignore: break;
    }
    return QStringLiteral("nicht übernehmen");
}

std::optional<ImportField> fieldNamed(const QString& name) {
    const QString key = headerKey(name);
    for (const ImportField field : importFields())
        if (headerKey(fieldCaption(field)) == key) return field;
    if (key == u"namevorname") return ImportField::NameVorname;
    if (key == u"ignorieren" || key == u"nichts") return ImportField::Ignore;
    return std::nullopt;
}

std::optional<ImportField> headerField(const QString& header) {
    const auto found = headerIndex().constFind(headerKey(header));
    if (found == headerIndex().constEnd()) return std::nullopt;
    return *found;
}

ImportField ColumnMapping::fieldOf(int column) const {
    return column >= 0 && column < std::ssize(fields) ? fields[static_cast<size_t>(column)]
                                                      : ImportField::Ignore;
}

bool ColumnMapping::has(ImportField field) const {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

ColumnMapping detectMapping(const CsvTable& table) {
    const int columnCount = table.columnCount();
    const QStringList firstRecord = table.records.empty() ? QStringList() : table.records.front().fields;
    ColumnMapping mapping;
    mapping.fields.assign(static_cast<size_t>(std::max(0, columnCount)), ImportField::Ignore);
    bool performance = false;
    bool status = false;
    for (int column = 0; column < std::min<int>(columnCount, static_cast<int>(firstRecord.size())); ++column) {
        const QString& header = firstRecord[column];
        const auto field = headerField(header);
        if (!field) continue;
        mapping.headerRow = true;
        if (*field == ImportField::Ergebnis) {
            bool& taken = isStatusHeader(header) ? status : performance;
            if (taken) continue;
            taken = true;
        } else if (mapping.has(*field)) {
            continue;
        }
        mapping.fields[static_cast<size_t>(column)] = *field;
    }
    return mapping;
}

void overrideColumn(ColumnMapping& mapping, const QStringList& header, const QString& assignment) {
    const qsizetype equals = assignment.lastIndexOf(u'=');
    if (equals <= 0)
        throw RzvError(QStringLiteral("„%1“ ist keine Spaltenzuordnung (SPALTE=FELD).").arg(assignment));
    const QString columnName = assignment.left(equals);
    const auto field = fieldNamed(assignment.mid(equals + 1));
    if (!field)
        throw RzvError(QStringLiteral("„%1“ ist kein Feld des Imports.").arg(assignment.mid(equals + 1)));
    int column = -1;
    if (mapping.headerRow)
        for (int c = 0; c < header.size() && column < 0; ++c)
            if (headerKey(header[c]) == headerKey(columnName)) column = c;
    if (column < 0)
        if (const auto number = readInt(columnName); number && *number >= 1) column = *number - 1;
    if (column < 0 || column >= std::ssize(mapping.fields))
        throw RzvError(QStringLiteral("Die Datei hat keine Spalte „%1“.").arg(columnName));
    mapping.fields[static_cast<size_t>(column)] = *field;
}

} // namespace rzv
