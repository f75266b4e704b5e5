#include "commands/savecupvariation.h"

#include "cup/ordering.h"

namespace rzv {

SaveCupVariationCommand::SaveCupVariationCommand(TCupData& cup, TCellGrid::Id variation,
                                                 QString name, QString strecke, QString zeit,
                                                 bool clearRaceTimes)
    : CupCommand(cup), m_variation(variation), m_name(std::move(name)),
      m_strecke(std::move(strecke)), m_zeit(std::move(zeit)), m_clearRaceTimes(clearRaceTimes) {}

void SaveCupVariationCommand::change(CupEditor& editor) {
    const TCupContent& c = editor.cup();
    if (m_variation == 0) {
        setText(QStringLiteral("Cup-Variation hinzufügen (") + m_name + u')');
        if (m_clearRaceTimes)
            for (int k = 1; k <= c.raceCount(); ++k)
                editor.setCell(CupTable::laufe, k, kCuplauf, QString());
        editor.appendRow(CupTable::cv, {m_name, m_strecke, m_zeit});
    } else {
        const int R = c.cv.findRow(m_variation);
        if (R < 1) return;
        setText(QStringLiteral("Cup-Variation bearbeiten (") + m_name + u')');
        const QString oldName = c.cv.cell(0, R);
        editor.setCell(CupTable::cv, 0, R, m_name);
        editor.setCell(CupTable::cv, 1, R, m_strecke);
        editor.setCell(CupTable::cv, 2, R, m_zeit);
        for (int row = 1; row < c.teil.rowCount(); ++row)
            if (c.teil.cell(kCup, row) == oldName) editor.setCell(CupTable::teil, kCup, row, m_name);
    }
    editor.order({CupTable::cv}, [this] { cvsort(cup().cv); });
}

} // namespace rzv
