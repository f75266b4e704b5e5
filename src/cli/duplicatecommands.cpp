// rzv duplicates DATEI, rzv merge DATEI SN_BEHALTEN SN_WEG ZIEL: runners entered twice, found
// and made one as the desktop program's "Doppelte Teilnehmer suchen …" does.
#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/cuparguments.h"

#include "commands/mergeparticipants.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "identity/duplicates.h"

namespace rzv::cli {

namespace {

QString participantText(const TCellGrid& teil, int row) {
    return teil.cell(kStartnummer, row) + u' ' + participantName(teil, row);
}

enum class Winner { None, Kept, Other };

Winner conflictWinner(const Arguments& arguments) {
    const QString option = QStringLiteral("--bei-konflikt");
    if (!arguments.has(option)) return Winner::None;
    const QString value = arguments.value(option);
    if (value == u"behalten") return Winner::Kept;
    if (value == u"weg") return Winner::Other;
    throw UsageError(QStringLiteral("Die Option --bei-konflikt erwartet behalten oder weg."));
}

// Stops, naming every race where the two results differ.
[[noreturn]] void stopAtConflicts(const std::vector<MergeConflict>& conflicts, const TCupContent& cup) {
    QString message = QStringLiteral("Beide Teilnehmer haben in %1 ein anderes Ergebnis:")
                          .arg(conflicts.size() == 1 ? QStringLiteral("einem Lauf")
                                                     : QStringLiteral("%1 Läufen").arg(conflicts.size()));
    for (const MergeConflict& conflict : conflicts) {
        const int race = conflict.col - (kTeilFixedCols - 1);
        message += QStringLiteral("\n  Lauf %1 (%2): behalten %3, weg %4")
                       .arg(race)
                       .arg(cup.laufe.cell(race, kDatum), conflict.kept, conflict.other);
    }
    message += QStringLiteral("\nMit --bei-konflikt behalten oder --bei-konflikt weg wählen, welches Ergebnis bleibt;"
                              " nichts wurde gespeichert.");
    throw RzvError(message);
}

} // namespace

int runDuplicates(const QStringList& args) {
    const QStringList files = parseArguments(args, {}).words;
    requireWordCount(files, 1);
    TCupData cup;
    loadCup(cup, files[0]);
    const std::vector<DuplicatePair> pairs = findDuplicates(cup.teil);
    for (const DuplicatePair& pair : pairs)
        printLine(QStringLiteral("%1 | %2 | %3")
                      .arg(participantText(cup.teil, pair.first), participantText(cup.teil, pair.second),
                           likenessText(pair.likeness, Person::ofRow(cup.teil, pair.first),
                                        Person::ofRow(cup.teil, pair.second))));
    if (pairs.empty()) printLine(QStringLiteral("Keine doppelten Teilnehmer gefunden."));
    return 0;
}

int runMerge(const QStringList& args) {
    const Arguments arguments = parseArguments(args, {QStringLiteral("--bei-konflikt")});
    requireWordCount(arguments.words, 4);
    const Winner winner = conflictWinner(arguments);
    TCupData cup;
    loadCup(cup, arguments.words[0]);
    const int kept = participantRow(cup, arguments.words[1]);
    const int other = participantRow(cup, arguments.words[2]);
    if (kept == other)
        throw RzvError(QStringLiteral("Beide Startnummern nennen denselben Teilnehmer (%1).")
                           .arg(participantName(cup.teil, kept)));
    const std::vector<MergeConflict> conflicts = mergeConflicts(cup.teil, kept, other);
    if (!conflicts.empty() && winner == Winner::None) stopAtConflicts(conflicts, cup);
    std::set<TCellGrid::Id> takeOther;
    if (winner == Winner::Other)
        for (const MergeConflict& conflict : conflicts) takeOther.insert(conflict.race);
    const QString keptText = participantText(cup.teil, kept);
    const QString otherText = participantText(cup.teil, other);
    runCommand(cup, std::make_unique<MergeParticipantsCommand>(cup, cup.teil.rowId(kept), cup.teil.rowId(other),
                                                               takeOther));
    cup.fileName = arguments.words[3];
    speichern(cup);
    printLine(QStringLiteral("%1 mit %2 zusammengeführt.").arg(otherText, keptText));
    return 0;
}

} // namespace rzv::cli
