#include "cli/cuparguments.h"

#include "cli/cli.h"
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
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (cup.teil.cell(kStartnummer, row) == number) return row;
    throw RzvError(
        QStringLiteral("Der Cup hat keinen Teilnehmer mit der Startnummer %1.").arg(number));
}

} // namespace rzv::cli
