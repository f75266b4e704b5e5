#include "cli/cuparguments.h"

#include "cli/cli.h"
#include "commands/cupcommand.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/notation.h"

namespace rzv::cli {

void loadCup(TCupData& cup, const QString& path) {
    for (const QString& notice : laden(cup, path)) printWarning(notice);
}

int raceNumber(const QString& text, const TCupContent& cup) {
    const auto race = readInt(text);
    if (!race) throw UsageError(conversionError(text).message());
    if (*race < 1 || *race > cup.raceCount())
        throw RzvError(QStringLiteral("Der Cup hat keinen Lauf %1.").arg(text));
    return *race;
}

QString startNumber(const QString& text) {
    const auto number = readInt(text);
    return number && *number > 0 ? padStartNumber(*number) : text;
}

int participantRow(const TCupContent& cup, const QString& text) {
    const QString number = startNumber(text);
    const TCellGrid& teil = cup.teil;
    int found = 0;
    for (int row = 1; row < teil.rowCount(); ++row) {
        if (teil.cell(kStartnummer, row) != number) continue;
        // A number two participants hold names neither: taking the first would act on the wrong
        // one as often as not.
        if (found > 0)
            throw RzvError(QStringLiteral("Die Startnummer %1 haben mehrere Teilnehmer (%2 und %3).")
                               .arg(number, participantName(teil, found), participantName(teil, row)));
        found = row;
    }
    if (found == 0)
        throw RzvError(
            QStringLiteral("Der Cup hat keinen Teilnehmer mit der Startnummer %1.").arg(number));
    return found;
}

} // namespace rzv::cli
