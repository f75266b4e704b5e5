#include "commands/addpoints.h"

#include "cup/notation.h"
#include "cup/ordering.h"

namespace rzv {

AddPointsCommand::AddPointsCommand(TCupData& cup, int points) : CupCommand(cup), m_points(points) {}

void AddPointsCommand::change(CupEditor& editor) {
    const TCellGrid& pv = editor.cup().pv;
    const QString points = QString::number(m_points);
    setText(QStringLiteral("Punktezahl hinzufügen (") + points + u')');
    bool known = false;
    for (int row = 1; row < pv.rowCount(); ++row)
        if (toInt(pv.cell(1, row)) == m_points) known = true;
    if (!known) editor.appendRow(CupTable::pv, {QString(), points});
    editor.order({CupTable::pv}, [this] { pvsort(cup().pv); });
}

} // namespace rzv
