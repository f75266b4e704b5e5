#include "commands/saveagegroup.h"

#include "cup/ordering.h"

namespace rzv {

SaveAgeGroupCommand::SaveAgeGroupCommand(TCupData& cup, TCellGrid::Id group, QString weib,
                                         QString mann, int alter)
    : CupCommand(cup), m_group(group), m_weib(std::move(weib)), m_mann(std::move(mann)),
      m_alter(QString::number(alter)) {}

void SaveAgeGroupCommand::change(CupEditor& editor) {
    const TCupContent& c = editor.cup();
    const QString names = u'(' + m_weib + u'/' + m_mann + u')';
    if (m_group == 0) {
        setText(QStringLiteral("Altersgruppe hinzufügen ") + names);
        editor.appendRow(CupTable::ag, {m_weib, m_mann, m_alter});
    } else {
        const int R = c.ag.findRow(m_group);
        if (R < 1) return;
        setText(QStringLiteral("Altersgruppe bearbeiten ") + names);
        const QString oldWeib = c.ag.cell(0, R);
        const QString oldMann = c.ag.cell(1, R);
        editor.setCell(CupTable::ag, 0, R, m_weib);
        editor.setCell(CupTable::ag, 1, R, m_mann);
        editor.setCell(CupTable::ag, 2, R, m_alter);
        // The participants follow before the ordering, which may stop on a stored maximum age
        // that does not read. A group equal to the old female designation takes the new female
        // one, else one equal to the old male designation the new male one.
        for (int row = 1; row < c.teil.rowCount(); ++row) {
            const QString& group = c.teil.cell(kAltersgruppe, row);
            if (group == oldWeib)
                editor.setCell(CupTable::teil, kAltersgruppe, row, m_weib);
            else if (group == oldMann)
                editor.setCell(CupTable::teil, kAltersgruppe, row, m_mann);
        }
    }
    editor.order({CupTable::ag}, [this] { agsort(cup().ag); });
}

} // namespace rzv
