#include "dialogs/tbea_pv.h"

#include "cup/cupdata.h"
#include "commands/addpoints.h"

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
    runCommand(cup(), std::make_unique<AddPointsCommand>(cup(), m_pzW->value()));
}

} // namespace rzv
