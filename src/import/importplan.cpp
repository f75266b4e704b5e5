#include "import/importplan.h"

#include "cup/cupdata.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/textorder.h"
#include "identity/personindex.h"
#include "import/charreplace.h"
#include "import/csvreader.h"
#include "import/importvalues.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <optional>

namespace rzv {

namespace {

constexpr size_t kFieldCount = static_cast<size_t>(ImportField::Ergebnis) + 1;

// Stops the check of one row; the row is listed as refused with the reason.
struct RowRefused {
    QString reason;
};
[[noreturn]] void refuse(QString reason) { throw RowRefused{std::move(reason)}; }
// Stops the check of a row that is only similar to a participant and left open: it is listed
// with the similar rows, not refused.
struct RowOpen {};

QString shortened(const QString& text) {
    constexpr int kShown = 30;
    return text.size() > kShown ? text.left(kShown) + u'…' : text;
}

QString taken(const ImportValue& value) {
    if (!value.ok()) refuse(value.refusal);
    return value.text;
}

// "Name, Vorname" of a participant of the cup.
QString personName(const TCellGrid& teil, int row) {
    return QStringLiteral("%1, %2").arg(teil.cell(kName, row), teil.cell(kVorname, row));
}

// Name, first name and birth year with the spelling folded, as rows find their participant by
// name.
QString nameKey(const Person& person) { return person.key + u'\x1f' + QString::number(person.year); }

// The nearest of similar participants: fewest letters apart, a year apart last.
const PersonIndex::Alike& nearest(const std::vector<PersonIndex::Alike>& similar) {
    const auto distance = [](const PersonIndex::Alike& a) {
        return a.likeness.kind == Likeness::Spelling ? a.likeness.letters : 3;
    };
    return *std::min_element(similar.begin(), similar.end(),
                             [&](const auto& a, const auto& b) { return distance(a) < distance(b); });
}

// One data row of the file: the value of each field (from the first column feeding it) and all
// values feeding "Ergebnis".
struct Row {
    int line = 0;
    std::array<QString, kFieldCount> values;
    QStringList results;
    std::vector<ImportReplacement> replacements;

    const QString& value(ImportField field) const { return values[static_cast<size_t>(field)]; }
};

class ImportCheck {
public:
    ImportCheck(const TCupContent& cup, const ColumnMapping& mapping, const ImportOptions& options)
        : m_cup(cup), m_mapping(mapping), m_options(options) {
        m_plan.race = options.race;
        if (options.race != 0 && (options.race < 1 || options.race > cup.raceCount()))
            throw RzvError(QStringLiteral("Der Cup hat keinen Lauf %1.").arg(options.race));
        m_raceType = cup.laufe.cell(options.race, kLauftyp);
        m_byName = !mapping.has(ImportField::Startnummer) || options.matchByName;
        indexCup();
    }

    ImportPlan run(const CsvTable& table) {
        const size_t first = m_mapping.headerRow ? 1 : 0;
        if (table.records.size() <= first)
            throw RzvError(QStringLiteral("Die Datei enthält nur die Kopfzeile, keine Daten."));
        for (size_t i = first; i < table.records.size(); ++i) {
            Row row = rowOf(table.records[i]);
            try {
                checkRow(row);
            } catch (const RowRefused& refused) {
                m_plan.refused.push_back({row.line, refused.reason});
            } catch (const RowOpen&) {
            }
        }
        assignStartNumbers();
        std::stable_sort(m_plan.refused.begin(), m_plan.refused.end(),
                         [](const ImportNote& a, const ImportNote& b) { return a.line < b.line; });
        return std::move(m_plan);
    }

private:
    // Participants are found by the value of their start number ("59" and "059" are one), and
    // the new ones numbered after the largest. A stored start number that is no number (or an
    // empty one) finds no row and takes no part in the numbering; the summary names the
    // participants whose start number is no number.
    void indexCup() {
        const TCellGrid& teil = m_cup.teil;
        for (int row = 1; row < teil.rowCount(); ++row) {
            const QString& stored = teil.cell(kStartnummer, row);
            if (const auto number = readInt(stored)) {
                m_cupStartNumbers[*number].append(row);
                m_largestStartNumber = std::max(m_largestStartNumber, *number);
            } else if (!stored.isEmpty()) {
                m_plan.unreadableStartNumbers.push_back(
                    QStringLiteral("%1: „%2“").arg(personName(teil, row), stored));
            }
        }
        if (m_byName) m_people.emplace(teil);
        m_roomForNew = std::max(0, maxParticipants(m_cup.raceCount()) - m_cup.participantCount());
    }

    // "Name, Vorname (Startnummer)" of a participant of the cup.
    QString who(int row) const {
        return QStringLiteral("%1 (%2)").arg(personName(m_cup.teil, row), m_cup.teil.cell(kStartnummer, row));
    }

    Row rowOf(const CsvRecord& record) const {
        Row row;
        row.line = record.line;
        for (int column = 0; column < record.fields.size(); ++column) {
            const ImportField field = m_mapping.fieldOf(column);
            // Letters composed, so that "u" and a combining diaeresis are the "ü" the file holds.
            const QString value = record.fields[column].trimmed().normalized(QString::NormalizationForm_C);
            if (field == ImportField::Ergebnis) {
                row.results.append(value);
            } else if (field != ImportField::Ignore) {
                QString& slot = row.values[static_cast<size_t>(field)];
                if (slot.isEmpty()) slot = value;
            }
        }
        return row;
    }

    void checkRow(Row& row) {
        for (const QString& value : row.values)
            if (value.size() > kMaxImportValueLength)
                refuse(QStringLiteral("„%1“ ist länger als %2 Zeichen").arg(shortened(value), QString::number(kMaxImportValueLength)));
        if (m_options.race == 0) {
            addParticipant(row, QString());
            return;
        }
        const auto [key, label, person, spelled] = participantKey(row);
        if (const auto seen = m_fileKeys.constFind(key); seen != m_fileKeys.constEnd())
            refuse(QStringLiteral("%1 kommt in der Datei schon in Zeile %2 vor").arg(label, QString::number(*seen)));
        const QList<int> holders = m_byName ? holdersByName(row, person, spelled, label, true)
                                            : m_cupStartNumbers.value(toInt(key));
        if (holders.size() > 1) {
            QStringList named;
            for (const int holder : holders) named << who(holder);
            refuse(QStringLiteral("%1 gibt es im Cup mehrmals: %2").arg(label, named.join(QStringLiteral("; "))));
        }
        const QString result = resultOf(row);
        if (!holders.isEmpty()) {
            if (result.isEmpty()) refuse(QStringLiteral("Kein Ergebnis"));
            // Two spellings in the file may find one participant.
            if (const auto seen = m_resultLines.constFind(holders.front()); seen != m_resultLines.constEnd())
                refuse(QStringLiteral("%1 hat schon das Ergebnis aus Zeile %2").arg(who(holders.front())).arg(*seen));
            setResult(row.line, holders.front(), result);
            m_resultLines.insert(holders.front(), row.line);
        } else if (row.value(ImportField::Name).isEmpty() && row.value(ImportField::NameVorname).isEmpty()) {
            refuse(QStringLiteral("%1 gibt es im Cup nicht").arg(label));
        } else {
            addParticipant(row, result);
        }
        m_fileKeys.insert(key, row.line);
    }

    // The key a row finds its participant by, how to name it in a message, and (matching by
    // name) the runner it names.
    struct Key {
        QString key;
        QString label;
        Person person;
        QString name; // "Name, Vorname" as the row spells it
    };
    Key participantKey(Row& row) {
        if (!m_byName) {
            if (row.value(ImportField::Startnummer).isEmpty()) refuse(QStringLiteral("Startnummer fehlt"));
            const QString number = taken(importStartNumber(row.value(ImportField::Startnummer)));
            return {number, QStringLiteral("Startnummer %1").arg(number), {}, {}};
        }
        const auto [name, vorname] = names(row);
        const QString birth = birthDate(row);
        row.replacements.clear(); // the names only find a participant here; nothing is written
        const Person person = Person::of(name, vorname, birth, givenGender(row));
        return {nameKey(person), nameLabel(name, vorname, birth), person, QStringLiteral("%1, %2").arg(name, vorname)};
    }

    static QString nameLabel(const QString& name, const QString& vorname, const QString& birth) {
        return QStringLiteral("„%1, %2“ (%3)").arg(name, vorname, birth.mid(6, 4));
    }

    // The gender of a row, or nothing when it names none.
    static QString givenGender(const Row& row) {
        const ImportValue gender = importGender(row.value(ImportField::Geschlecht));
        return gender.ok() ? gender.text : QString();
    }

    // The participants alike a row's runner; a row without a gender is compared with both.
    std::vector<PersonIndex::Alike> alikeRows(const Person& person) const {
        if (!person.gender.isEmpty()) return m_people->alike(person);
        std::vector<PersonIndex::Alike> found;
        for (const QString& gender : {QStringLiteral("weiblich"), QStringLiteral("männlich")}) {
            Person gendered = person;
            gendered.gender = gender;
            for (const PersonIndex::Alike& alike : m_people->alike(gendered))
                if (std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.row == alike.row; }))
                    found.push_back(alike);
        }
        return found;
    }

    // The participants a row names by name: those that are the same person; else a similar one
    // when the row is confirmed or similar rows are taken as the same, none when they become new
    // participants. A similar row left open stops its check. `spelling`: a same person spelled
    // otherwise is listed.
    QList<int> holdersByName(const Row& row, const Person& person, const QString& spelled, const QString& label,
                             bool spelling) {
        const std::vector<PersonIndex::Alike> alike = alikeRows(person);
        QList<int> same;
        std::vector<PersonIndex::Alike> similar;
        for (const PersonIndex::Alike& a : alike) {
            if (a.likeness.isSame())
                same.append(a.row);
            else
                similar.push_back(a);
        }
        if (!same.isEmpty()) {
            if (spelling && same.size() == 1 && spelled != personName(m_cup.teil, same.front()))
                m_plan.otherSpellings.push_back({row.line, spelled, who(same.front())});
            return same;
        }
        if (similar.empty()) return {};
        const PersonIndex::Alike& candidate = nearest(similar);
        const SimilarRows taken = m_options.sameLines.count(row.line) > 0 ? SimilarRows::Same : m_options.similar;
        m_plan.similar.push_back({row.line, label, who(candidate.row),
                                  likenessText(candidate.likeness, person, m_people->person(candidate.row)), taken});
        if (taken == SimilarRows::Open) throw RowOpen{};
        return taken == SimilarRows::Same ? QList<int>{candidate.row} : QList<int>{};
    }

    void setResult(int line, int row, const QString& result) {
        const TCellGrid& teil = m_cup.teil;
        const QString& old = teil.cell(resultColumn(m_options.race), row);
        if (old == result) {
            ++m_plan.unchangedResults;
            return;
        }
        m_plan.results.push_back({line, teil.rowId(row), who(row), old, result});
    }

    // The result of a row: a status word in any result column wins, else the first performance.
    QString resultOf(const Row& row) const {
        QString performance;
        for (const QString& value : row.results) {
            if (statusCode(value)) return taken(importResult(value, m_raceType));
            if (performance.isEmpty() && !isFinishedStatus(value)) performance = value;
        }
        return performance.isEmpty() ? QString() : taken(importResult(performance, m_raceType));
    }

    // A text the cup stores as it stands: no "|", no control character (as the editors refuse
    // them), and characters the cup file cannot hold replaced by a proposal that is listed.
    QString text(Row& row, const QString& value, ImportField field) {
        if (value.contains(u'|'))
            refuse(QStringLiteral("%1 „%2“ enthält das Zeichen „|“, das die Cup-Datei nicht speichern kann")
                       .arg(fieldCaption(field), value));
        if (firstControlChar(value) >= 0)
            refuse(QStringLiteral("%1 enthält ein Steuerzeichen (Zeilenumbruch, Tabulator, Seitenvorschub "
                                  "o. Ä.)")
                       .arg(fieldCaption(field)));
        if (firstUnencodable(value) < 0) return value;
        const auto plain = cp1252Replacement(value);
        if (!plain)
            refuse(QStringLiteral("%1 „%2“ enthält ein Zeichen, das die Cup-Datei nicht speichern kann")
                       .arg(fieldCaption(field), value));
        row.replacements.push_back({row.line, value, *plain});
        return *plain;
    }

    std::pair<QString, QString> names(Row& row) {
        QString name = row.value(ImportField::Name);
        QString vorname = row.value(ImportField::Vorname);
        const QString& both = row.value(ImportField::NameVorname);
        if (name.isEmpty() && !both.isEmpty()) {
            // "Name, Vorname", or else "Vorname Name" with the last word as the name.
            const qsizetype comma = both.indexOf(u',');
            const qsizetype blank = both.lastIndexOf(u' ');
            if (comma >= 0) {
                name = both.left(comma).trimmed();
                vorname = both.mid(comma + 1).trimmed();
            } else if (blank >= 0) {
                name = both.mid(blank + 1);
                vorname = both.left(blank).trimmed();
            } else {
                name = both;
            }
        }
        if (name.isEmpty()) refuse(QStringLiteral("Name fehlt"));
        if (vorname.isEmpty()) refuse(QStringLiteral("Vorname fehlt"));
        return {text(row, name, ImportField::Name), text(row, vorname, ImportField::Vorname)};
    }

    QString birthDate(const Row& row) const {
        if (!row.value(ImportField::Geburtsdatum).isEmpty())
            return taken(importBirthDate(row.value(ImportField::Geburtsdatum)));
        if (!row.value(ImportField::Jahrgang).isEmpty())
            return taken(importBirthYear(row.value(ImportField::Jahrgang)));
        refuse(QStringLiteral("Geburtsdatum oder Jahrgang fehlt"));
    }

    QString ageGroup(Row& row, const QString& birth, const QString& gender, const QString& who) {
        const QString& named = row.value(ImportField::Altersgruppe);
        if (!named.isEmpty()) {
            for (int r = 1; r < m_cup.ag.rowCount(); ++r)
                for (int c : {0, 1})
                    if (m_cup.ag.cell(c, r) == named) return named;
            refuse(QStringLiteral("Altersgruppe „%1“ gibt es im Cup nicht").arg(named));
        }
        const auto proposal = checkaltgr(birth, gender == u"weiblich" ? 0 : 1, m_cup);
        if (!proposal || proposal->isEmpty())
            refuse(QStringLiteral("Keine Altersgruppe des Cups passt zum Jahrgang %1").arg(birth.mid(6, 4)));
        m_plan.proposedGroups.push_back({row.line, QStringLiteral("%1: %2").arg(who, *proposal)});
        m_plan.proposedWithoutRace = m_cup.raceCount() == 0;
        return *proposal;
    }

    QString cupVariation(const Row& row) const {
        if (!m_cup.hasCupVariations()) return QString();
        const QString named = row.value(ImportField::Cup).isEmpty() ? m_options.defaultCup
                                                                    : row.value(ImportField::Cup);
        if (named.isEmpty()) refuse(QStringLiteral("Cup fehlt (der Cup hat Cup-Variationen)"));
        for (int r = 1; r < m_cup.cv.rowCount(); ++r)
            if (m_cup.cv.cell(0, r).compare(named, Qt::CaseInsensitive) == 0) return m_cup.cv.cell(0, r);
        refuse(QStringLiteral("Cup „%1“ gibt es im Cup nicht").arg(named));
    }

    // A new participant, with every rule of the participant editor, in the order it checks them.
    void addParticipant(Row& row, const QString& result) {
        const auto [name, vorname] = names(row);
        const QString birth = birthDate(row);
        if (row.value(ImportField::Geschlecht).isEmpty()) refuse(QStringLiteral("Geschlecht fehlt"));
        const QString gender = taken(importGender(row.value(ImportField::Geschlecht)));
        const QString& namedClub = row.value(ImportField::Verein);
        if (namedClub.isEmpty() && m_options.defaultClub.trimmed().isEmpty()) refuse(QStringLiteral("Verein fehlt"));
        const QString club = text(row, namedClub.isEmpty() ? m_options.defaultClub.trimmed() : namedClub,
                                  ImportField::Verein);
        const Person person = Person::of(name, vorname, birth, gender);
        const QString key = nameKey(person);
        if (m_byName) {
            // With results the row's match was looked for before.
            if (m_options.race == 0) {
                if (const QList<int> holders = holdersByName(row, person, {}, nameLabel(name, vorname, birth), false);
                    !holders.isEmpty())
                    refuse(QStringLiteral("„%1, %2“ (%3) ist schon im Cup").arg(name, vorname, birth.mid(6, 4)));
            }
            if (const auto seen = m_newNames.constFind(key); seen != m_newNames.constEnd())
                refuse(QStringLiteral("„%1, %2“ (%3) kommt in der Datei schon in Zeile %4 vor")
                           .arg(name, vorname, birth.mid(6, 4), QString::number(*seen)));
        }
        QString number;
        if (!row.value(ImportField::Startnummer).isEmpty()) {
            number = taken(importStartNumber(row.value(ImportField::Startnummer)));
            if (const QList<int> holders = m_cupStartNumbers.value(toInt(number)); !holders.isEmpty())
                refuse(QStringLiteral("Startnummer %1 ist schon vergeben (%2)")
                           .arg(number, personName(m_cup.teil, holders.front())));
            if (const auto seen = m_newStartNumbers.constFind(number); seen != m_newStartNumbers.constEnd())
                refuse(QStringLiteral("Startnummer %1 kommt in der Datei schon in Zeile %2 vor").arg(number).arg(*seen));
        }
        if (std::ssize(m_plan.newParticipants) >= m_roomForNew)
            refuse(QStringLiteral("Mehr als %1 Teilnehmer kann die Cup-Datei nicht halten")
                       .arg(m_roomForNew + m_cup.participantCount()));
        const QString who = QStringLiteral("%1, %2").arg(name, vorname);
        const size_t proposals = m_plan.proposedGroups.size();
        try {
            const QString group = ageGroup(row, birth, gender, who);
            const QString cupName = cupVariation(row);
            m_plan.newParticipants.push_back(
                {row.line, {name, vorname, birth, gender, club, group, number, cupName}, result});
        } catch (const RowRefused&) {
            m_plan.proposedGroups.resize(proposals);
            throw;
        }
        if (!number.isEmpty()) {
            m_newStartNumbers.insert(number, row.line);
            m_largestStartNumber = std::max(m_largestStartNumber, toInt(number));
        }
        m_newNames.insert(key, row.line);
        m_plan.replacements.insert(m_plan.replacements.end(), row.replacements.begin(), row.replacements.end());
    }

    // New participants whose row had no start number get the next free ones after the largest
    // of the cup and the file, as the editor proposes them. Beyond the largest possible number
    // such a row is refused after all.
    void assignStartNumbers() {
        QSet<int> withdrawn; // lines of rows refused after all, with what they proposed
        for (ImportParticipant& p : m_plan.newParticipants) {
            QString& number = p.fixed[kStartnummer];
            if (!number.isEmpty()) continue;
            try {
                m_largestStartNumber = startNumberAfter(m_largestStartNumber);
            } catch (const RzvError& error) {
                withdrawn.insert(p.line);
                m_plan.refused.push_back({p.line, error.message()});
                continue;
            }
            number = padStartNumber(m_largestStartNumber);
            m_plan.assignedStartNumbers.append(number);
        }
        const auto isWithdrawn = [&withdrawn](const auto& item) { return withdrawn.contains(item.line); };
        std::erase_if(m_plan.newParticipants, isWithdrawn);
        std::erase_if(m_plan.proposedGroups, isWithdrawn);
        std::erase_if(m_plan.replacements, isWithdrawn);
        std::erase_if(m_plan.similar, isWithdrawn);
    }

    const TCupContent& m_cup;
    const ColumnMapping& m_mapping;
    const ImportOptions& m_options;
    QString m_raceType;
    bool m_byName = false;
    ImportPlan m_plan;
    QHash<int, QList<int>> m_cupStartNumbers; // start number -> the rows that hold it
    std::optional<PersonIndex> m_people;      // the participants, when rows find them by name
    QHash<QString, int> m_fileKeys;        // key of a row that set a result -> its line
    QHash<int, int> m_resultLines;         // participant row given a result -> the line
    QHash<QString, int> m_newStartNumbers; // start number of a new participant -> its line
    QHash<QString, int> m_newNames;        // name key of a new participant -> its line
    int m_largestStartNumber = 0; // of the cup and the new participants
    int m_roomForNew = 0; // new participants the cup file can still hold
};

} // namespace

int ImportPlan::resultsSet() const {
    const auto withResult = std::count_if(newParticipants.begin(), newParticipants.end(),
                                          [](const ImportParticipant& p) { return !p.result.isEmpty(); });
    return static_cast<int>(results.size() + static_cast<size_t>(withResult));
}

bool ImportPlan::hasOpenSimilar() const {
    return std::any_of(similar.begin(), similar.end(), [](const ImportSimilar& s) { return s.taken == SimilarRows::Open; });
}

int ImportPlan::resultsOverwritten() const {
    return static_cast<int>(std::count_if(results.begin(), results.end(),
                                          [](const ImportResult& r) { return !r.oldValue.isEmpty(); }));
}

ImportPlan checkImport(const TCupContent& cup, const CsvTable& table, const ColumnMapping& mapping,
                       const ImportOptions& options) {
    return ImportCheck(cup, mapping, options).run(table);
}

} // namespace rzv
