#include "commands/deleterace.h"

#include "commands/saverace.h"

namespace rzv {

DeleteRaceCommand::DeleteRaceCommand(TCupData& cup, TCellGrid::Id race)
    : CupCommand(cup), m_race(race) {}

void DeleteRaceCommand::change(CupEditor& editor) {
    const TCupContent& c = editor.cup();
    const int column = c.teil.findCol(m_race);
    const int k = column - (kTeilFixedCols - 1);
    if (k < 1 || k > c.raceCount()) return;
    setText(QStringLiteral("Lauf löschen (") + c.laufe.cell(k, kDatum) + u')');
    editor.removeCol(CupTable::laufe, k);
    editor.removeCol(CupTable::teil, column);
    for (int race = 1; race <= c.raceCount(); ++race)
        editor.setCell(CupTable::laufe, race, kLaufnummer, QString::number(race));
    // Without races the race table shows no frozen header.
    if (c.raceCount() == 0) editor.setFrozen(CupTable::laufe, 0, 0);
    lowerMinMax(editor);
}

} // namespace rzv
