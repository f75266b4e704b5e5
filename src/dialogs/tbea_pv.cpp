#include "dialogs/tbea_pv.h"

#include "cup/cupdata.h"
#include "cup/notation.h"
#include "cup/ordering.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSpinBox>

namespace rzv {

Tbea_pv::Tbea_pv(TCupData& cup, Prompt& prompt, QWidget* parent)
    : TEditorDialog(cup, prompt, parent) {
    setObjectName(QStringLiteral("bea_pv"));
    setWindowTitle(QStringLiteral("Punktezahl hinzufügen"));
    m_pzW = spinner("pzW", 1, 1000, 1);
    m_hinzufugen = button("hinzufugen", QStringLiteral("Hinzufügen"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelled(QStringLiteral("Punktezahl:"), {m_pzW, m_hinzufugen}));
    fixSize();
    setTabOrder(m_pzW, m_hinzufugen);

    onClick(m_hinzufugen, &Tbea_pv::hinzufugenClick);
}

void Tbea_pv::showAdd() {
    present();
}

void Tbea_pv::hinzufugenClick() {
    TCupData& c = cup();
    const int points = m_pzW->value();
    bool known = false;
    for (int row = 1; row < c.pv.rowCount(); ++row)
        if (toInt(c.pv.cell(1, row)) == points) known = true;
    if (!known) {
        const int row = c.pv.rowCount();
        c.pv.setRowCount(row + 1);
        c.pv.setCell(1, row, QString::number(points));
        c.edit(1);
    }
    const TablesChangedNotice notice(c);
    pvsort(c.pv);
}

} // namespace rzv
