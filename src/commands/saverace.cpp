#include "commands/saverace.h"

#include "cup/ordering.h"

namespace rzv {

void lowerMinMax(CupEditor& editor) {
    CupHeader header = CupHeader::of(editor.cup());
    coupleMin(header.min, header.max, editor.cup().raceCount());
    coupleMax(header.min, header.max, editor.cup().raceCount());
    editor.setHeader(header);
}

SaveRaceCommand::SaveRaceCommand(TCupData& cup, TCellGrid::Id race, std::vector<QString> cells)
    : CupCommand(cup), m_race(race), m_cells(std::move(cells)) {
    m_cells.resize(kLaufRows);
}

void SaveRaceCommand::change(CupEditor& editor) {
    const QString& datum = m_cells[kDatum];
    if (m_race == 0) {
        setText(QStringLiteral("Lauf hinzufügen (") + datum + u')');
        std::vector<QString> race = m_cells;
        race[kLaufnummer].clear();
        editor.appendCol(CupTable::laufe, race);
        editor.appendCol(CupTable::teil, {datum});
        lowerMinMax(editor);
    } else {
        const int k = editor.cup().teil.findCol(m_race) - (kTeilFixedCols - 1);
        if (k < 1 || k > editor.cup().raceCount()) return;
        setText(QStringLiteral("Lauf bearbeiten (") + datum + u')');
        for (int row = kLauftyp; row < kLaufRows; ++row)
            editor.setCell(CupTable::laufe, k, row, m_cells[static_cast<size_t>(row)]);
    }
    editor.order({CupTable::laufe, CupTable::teil}, [this] { laufesort(cup().laufe, cup().teil); });
}

} // namespace rzv
