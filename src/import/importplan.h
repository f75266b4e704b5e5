#pragma once

#include "cup/cellgrid.h"
#include "import/importfields.h"

#include <QString>
#include <QStringList>
#include <set>
#include <vector>

namespace rzv {

struct CsvTable;
struct TCupContent;

// Longer values are refused rather than cut.
inline constexpr int kMaxImportValueLength = 100;

// What becomes of a row that is only similar to a participant of the cup (matching by name):
// left open (the import must not go ahead), taken as that participant, or a new participant.
enum class SimilarRows { Open, Same, New };

// What an import does besides the mapping: the target and how rows find their participant.
struct ImportOptions {
    int race = 0;               // 0: participants only; k: results into race k
    bool matchByName = false;   // by name, first name and birth year instead of start number
    QString defaultCup;         // the cup variation of new participants whose row names none
    QString defaultClub = QStringLiteral("vereinslos"); // the club of rows that name none
    SimilarRows similar = SimilarRows::Open;
    std::set<int> sameLines;    // lines of similar rows confirmed as the same person, whatever `similar` says
};

// A participant the import adds: the eight fixed cells in the table's column order, and the
// result in the target race.
struct ImportParticipant {
    int line = 0;
    QStringList fixed;
    QString result;
};

// A result set on a participant of the cup (found again by its row's identity).
struct ImportResult {
    int line = 0;
    TCellGrid::Id participant = 0;
    QString who; // "Name, Vorname (Startnummer)"
    QString oldValue;
    QString newValue;
};

// A row of the file and what the check says about it.
struct ImportNote {
    int line = 0;
    QString text;
};

// A row matched by name to a participant spelled otherwise ("Mueller" for "Müller").
struct ImportSpelling {
    int line = 0;
    QString row;         // "Mueller, Juergen"
    QString participant; // "Müller, Jürgen (001)"
};

// A row only similar to a participant: taken as that participant only when confirmed.
struct ImportSimilar {
    int line = 0;
    QString row;        // "„Meyer, Hans“ (1980)"
    QString candidate;  // "Meier, Hans (007)"
    QString reason;     // "ähnlicher Name (1 Buchstabe anders), …"
    SimilarRows taken;  // Open, Same or New
};

struct ImportReplacement {
    int line = 0;
    QString from;
    QString to;
};

// What an import will do, found without touching the cup.
struct ImportPlan {
    int race = 0;
    std::vector<ImportParticipant> newParticipants;
    std::vector<ImportResult> results; // only results that change the cell
    int unchangedResults = 0;          // results the cup holds already
    QStringList assignedStartNumbers;  // given to new participants whose row had none
    std::vector<ImportNote> refused;
    std::vector<ImportNote> proposedGroups;
    bool proposedWithoutRace = false; // the cup had no race to take the age from
    std::vector<ImportReplacement> replacements;
    // "Name, Vorname: „abc“" of participants of the cup whose start number is no number: no
    // row finds them by it, and the new numbers follow the largest number that reads.
    std::vector<QString> unreadableStartNumbers;
    std::vector<ImportSpelling> otherSpellings;
    std::vector<ImportSimilar> similar;

    // Rows left open because they are only similar to a participant: nothing may be applied.
    bool hasOpenSimilar() const;

    bool changesNothing() const { return newParticipants.empty() && results.empty(); }
    int resultsSet() const;
    int resultsOverwritten() const;
};

// Checks every data row of the file against the cup and the rules of the participant editor.
// Matching by name folds the spelling: a row of the same person is taken as the participant,
// one only similar as the options say.
// Stops with a message only when a "Maximalalter" of the cup does not read or the target race
// does not exist.
ImportPlan checkImport(const TCupContent& cup, const CsvTable& table, const ColumnMapping& mapping,
                       const ImportOptions& options);

// The summary of a plan in German, one line per listed item, at most 100 items per list.
// Replacements of characters are described as applied or as applied only on "Übernehmen".
QStringList importSummary(const ImportPlan& plan, bool replacementsApplied);

} // namespace rzv
